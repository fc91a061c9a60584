#include "windows/single_phase/FugacityWindow.h"

#include "framework/Numbers.h"
#include "windows/common/ComponentRows.h"
#include "windows/common/Messages.h"

using namespace common;

namespace {

RootChoiceGeometry FugacityGeometry() {
  RootChoiceGeometry g = WideButtonGeometry(115);
  g.pressureUnitWidth = 40;
  return g;
}

}  // namespace

const fw::WindowLayout& FugacityWindow::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "FugacityWindow",
                       .title = "Fugacities",
                       .width = 460,
                       .height = 590,
                       .controls = {}};
    l.controls = {
        fw::RoundRectangleRow("RoundRectangle1", 20, 330, 420, 35),
        fw::Text("Result", 190, 335, 120, 25, {}, 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText7", 330, 335, 75, 25, "cm /mol", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText8", 350, 334, 16, 20, "3", 12, fw::NoFlags, "RoundRectangle1"),
        fw::Text("MolarVolume", 30, 335, 140, 25, "Molar Volume", 16, fw::NoFlags,
                 "RoundRectangle1"),
    };
    for (auto& row : RootChoiceForm::Rows(FugacityGeometry())) l.controls.push_back(std::move(row));
    l.controls.push_back(fw::Group("GroupBox3", 20, 380, 420, 190, "Fugacities", 18));
    fw::ControlSpec list = fw::ListBoxRow("ListBox1", 34, 415, 390, 140, 3, "20%,40%,40%",
                                          "gas\tfugacity (in MPa)\tcoefficient", 14, "GroupBox3");
    list.flags = fw::Italic;
    l.controls.push_back(std::move(list));
    return l;
  }();
  return layout;
}

FugacityWindow::FugacityWindow()
    : fw::Window(Layout()),
      form_(*this, {[this] { EmptyResults(); }, [this](int k) { ListFugacities(k); }}) {}

void FugacityWindow::Event_Activate() {
  fw::ListBox& list = List("ListBox1");
  list.SetHeading(0, QStringLiteral("gas"));
  list.SetHeading(1, QStringLiteral("fugacity (in MPa)"));
  list.SetHeading(2, QStringLiteral("coefficient"));
}

void FugacityWindow::EmptyResults() {
  Label("Result").SetText({});
  List("ListBox1").DeleteAllRows();
}

void FugacityWindow::ListFugacities(int column) {
  const RootCalculation& calc = form_.Last();
  const Composition& x = calc.composition;
  const double volume = calc.volumes[column];
  // Fugacities exist only for a physical state: a volume above the co-volume,
  // a temperature above 0 K and a pressure above 0.
  const bool physical = IsPhysicalVolume(x, volume) && calc.kelvin > 0.0 && calc.pressure > 0.0;
  if (physical) Globals.Fugacities(x, calc.kelvin, calc.pressure, volume);
  const std::array<double, 21> fugacity = Globals.Fugacity;
  const std::array<double, 21> coefficient = Globals.Coefficient;
  FillComponentRows(
      List("ListBox1"), [&x](int i) { return x[i] > 0.0; },
      [&](int i) -> QStringList {
        if (!physical) return {kNoSolution, kNoSolution};
        return {fw::ResultText(fugacity[i]), fw::ResultText(coefficient[i])};
      });
}
