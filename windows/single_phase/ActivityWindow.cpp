#include "windows/single_phase/ActivityWindow.h"

#include <cmath>

#include "engine/Globals.h"
#include "framework/Numbers.h"
#include "windows/common/ComponentRows.h"
#include "windows/common/Messages.h"

using namespace single_phase;
using namespace common;

const ScrolledPanelSize ActivityWindow::kPanelSize = {465, 800, 700};

namespace {

RootChoiceGeometry ActivityGeometry() {
  RootChoiceGeometry g = WideButtonGeometry(110);
  g.parent = kPanel;
  g.clearLeft = 390;
  return g;
}

std::vector<fw::ControlSpec> ResultBoxRows() {
  const std::string box = "RoundRectangle1";
  return {
      fw::RoundRectangleRow(box, 20, 325, 420, 35, 16, kPanel),
      fw::Text("MolarVolume", 30, 330, 140, 25, "Molar Volume", 16, fw::NoFlags, box),
      fw::Text("Result", 190, 330, 120, 25, {}, 16, fw::NoFlags, box),
      fw::Text("StaticText5", 330, 330, 75, 25, "cm /mol", 16, fw::NoFlags, box),
      fw::Text("StaticText10", 350, 329, 16, 20, "3", 12, fw::NoFlags, box),
  };
}

std::vector<fw::ControlSpec> StandardStateRows() {
  const std::string box = "GroupBox4";
  return {
      fw::Group(box, 65, 380, 330, 210, "select standard state conditions", 16, fw::Italic, kPanel),
      fw::Radio("StandardChoice0", 80, 413, 20, 20, {}, 12, fw::NoFlags, box),
      fw::Radio("StandardChoice1", 80, 439, 20, 20, {}, 12, fw::NoFlags, box),
      fw::Radio("StandardChoice2", 80, 464, 20, 20, {}, 12, fw::NoFlags, box),
      fw::Text("StandardText0", 105, 414, 280, 20, "Pure real gases at selected T and P", 14,
               fw::NoFlags, box),
      fw::Text("StandardText1", 105, 439, 280, 20, "Pure real gases at selected T and P(ref.)", 14,
               fw::NoFlags, box),
      fw::Text("StandardText2", 105, 464, 280, 20, "Pure ideal gases at selected T and P(ref.)", 14,
               fw::NoFlags, box),
      fw::Text("PressureRef", 80, 510, 140, 20, "Reference Pressure", 14, fw::NoFlags, box),
      fw::Edit("dataEntry2", 220, 508, 120, 25, 14, fw::NoFlags, box),
      fw::Text("StaticText9", 350, 510, 35, 20, "MPa", 14, fw::NoFlags, box),
      fw::Button("PushButton1", 190, 550, 75, 25, "continue", 12, fw::DefaultButton, box),
  };
}

fw::ControlSpec ActivityListRows() {
  fw::ControlSpec list = fw::ListBoxRow("ListBox1", 34, 645, 390, 120, 3, "20%,40%,40%",
                                        "gas\tactivity\tcoefficient", 14, "GroupBox3");
  list.flags = fw::Italic;
  return list;
}

}  // namespace

const fw::WindowLayout& ActivityWindow::Layout() {
  static const fw::WindowLayout layout = ScrolledWindowLayout(
      "ActivityWindow", "Activities", 400, kPanelSize,
      {RootChoiceForm::Rows(ActivityGeometry()), ResultBoxRows(), StandardStateRows(),
       {fw::Group("GroupBox3", 20, 610, 420, 170, "Activities", 18, fw::NoFlags, kPanel),
        ActivityListRows()}});
  return layout;
}

ActivityWindow::ActivityWindow()
    : fw::Window(Layout()),
      form_(*this, {[this] { EmptyResults(); }, [](int) {}}),
      panel_(*this, kPanelSize) {
  OnAction("StandardChoice0", [this] { StandardChoice0_Action(); });
  OnAction("StandardChoice1", [this] { StandardChoice1_Action(); });
  OnAction("StandardChoice2", [this] { StandardChoice2_Action(); });
  OnAction("PushButton1", [this] { PushButton1_Action(); });
}

void ActivityWindow::Event_Activate() {
  fw::ListBox& list = List("ListBox1");
  list.SetHeading(0, QStringLiteral("gas"));
  list.SetHeading(1, QStringLiteral("activity"));
  list.SetHeading(2, QStringLiteral("coefficient"));
}

void ActivityWindow::Event_Resizing() { panel_.Resizing(); }

void ActivityWindow::EmptyResults() {
  for (const char* name : {"StandardChoice0", "StandardChoice1", "StandardChoice2"}) {
    RadioOf(name).SetValue(false);
  }
  Field("dataEntry2").SetText({});
  Label("Result").SetText({});
  List("ListBox1").DeleteAllRows();
}

void ActivityWindow::StandardChoice0_Action() {
  // This standard state needs no reference pressure.
  if (RadioOf("StandardChoice0").Value()) Field("dataEntry2").SetText("  no entry  ");
}

void ActivityWindow::StandardChoice1_Action() {
  if (RadioOf("StandardChoice1").Value()) Field("dataEntry2").SetText({});
}

void ActivityWindow::StandardChoice2_Action() {
  if (RadioOf("StandardChoice2").Value()) Field("dataEntry2").SetText({});
}

std::optional<StandardState> ActivityWindow::ChosenStandardState() const {
  if (RadioOf("StandardChoice0").Value()) return StandardState::PureRealAtPressure;
  if (RadioOf("StandardChoice1").Value()) return StandardState::PureRealAtReference;
  if (RadioOf("StandardChoice2").Value()) return StandardState::PureIdealAtReference;
  return std::nullopt;
}

void ActivityWindow::PushButton1_Action() {
  List("ListBox1").DeleteAllRows();
  if (!form_.HasCalculation()) return;  // the last calculate computed nothing
  const std::optional<StandardState> state = ChosenStandardState();
  if (!state) return;  // without a standard state there are no activities to list
  double reference = 0.0;
  if (*state != StandardState::PureRealAtPressure) {
    const std::optional<double> typed = fw::Val(Field("dataEntry2").Text());
    if (!typed) {
      Field("dataEntry2").SetText(kPutNumber);
      return;
    }
    reference = *typed;
  }
  const RootCalculation& calc = form_.Last();
  const std::array<std::optional<double>, 21> activity =
      Activities(calc, form_.ChosenVolume(), *state, reference);
  for (int i = 0; i < ComponentCount; ++i) {
    if (activity[i]) Globals.Activity[i] = *activity[i];
  }
  const Composition& x = calc.composition;
  FillComponentRows(
      List("ListBox1"), [&x](int i) { return x[i] != 0.0; },
      [&](int i) -> QStringList {
        const double a = activity[i].value_or(NAN);
        return {fw::ResultText(a), fw::ResultText(a / x[i])};
      });
}
