#include "windows/common/RootChoiceForm.h"

#include <cmath>
#include <utility>

#include "framework/Numbers.h"
#include "windows/common/UnitPair.h"

namespace common {

namespace {

const std::array<std::string, 3> kChoice = {"Choice0", "Choice1", "Choice2"};
const std::array<std::string, 3> kTextChoice = {"TextChoice0", "TextChoice1", "TextChoice2"};

// The volume a root column stands for: its real part when the root is real and
// finite, else 0 (no volume).
double StoredVolume(double re, double im) { return (im == 0.0 && std::isfinite(re)) ? re : 0.0; }

}  // namespace

RootChoiceGeometry WideButtonGeometry(int calculateLeft) {
  RootChoiceGeometry g;
  g.calculateCaption = QStringLiteral("calculate molar volume");
  g.calculateLeft = calculateLeft;
  g.calculateWidth = 230;
  g.footnoteLeft = 245;
  return g;
}

QString RootText(double re, double im) {
  if (!std::isfinite(re) || !std::isfinite(im)) return kNoSolution;
  if (im == 0.0) return fw::Str(re);
  return fw::Str(re) + QStringLiteral(" and ") + fw::Str(im) + QString::fromUtf8("·i");
}

bool IsPhysicalVolume(const Composition& x, double volume) {
  return AnyComponentPresent(x) && std::isfinite(volume) && volume > Globals.CoVolume(x);
}

std::vector<fw::ControlSpec> RootChoiceForm::Rows(const RootChoiceGeometry& g) {
  const std::string& p = g.parent;
  const int temperatureTop = g.inputTop + 40;
  std::vector<fw::ControlSpec> rows = {
      fw::Text("Pressure", g.labelLeft, g.inputTop, 130, 25, "Pressure", 16, fw::NoFlags, p),
      fw::Edit("dataEntry", g.entryLeft, g.inputTop, 120, 25, 16, fw::NoFlags, p),
      fw::Text("StaticText4", g.unitLeft, g.inputTop, g.pressureUnitWidth, 25, "MPa", 16,
               fw::NoFlags, p),
      fw::Text("Temperature", g.labelLeft, temperatureTop, 130, 25, "Temperature", 16, fw::NoFlags,
               p),
      fw::Edit("dataEntry1", g.entryLeft, temperatureTop, 120, 25, 16, fw::NoFlags, p),
      fw::Text("StaticText3", g.unitLeft, temperatureTop, 80, 25, "Kelvin", 16, fw::NoFlags, p),
  };
  for (auto& row : UnitPairRows(g.unitGroupLeft, g.unitGroupTop, p)) rows.push_back(std::move(row));
  rows.push_back(fw::Button("Clear", g.clearLeft, g.inputTop, 50, 20, "clear", 10, fw::NoFlags, p));
  rows.push_back(fw::Button("calculate", g.calculateLeft, g.calculateTop, g.calculateWidth, 30,
                            g.calculateCaption, 18, fw::DefaultButton, p));
  rows.push_back(fw::Group("GroupBox2", g.rootGroupLeft, g.rootGroupTop, 260, 110,
                           "select mathematical solution*", 16, fw::Italic, p));
  for (int k = 0; k < 3; ++k) {
    const int top = g.choiceTop + 25 * k;
    rows.push_back(
        fw::Radio(kChoice[k], g.choiceLeft, top, 20, 20, {}, 12, fw::NoFlags, "GroupBox2"));
    rows.push_back(
        fw::Text(kTextChoice[k], g.choiceLeft + 25, top, 200, 20, {}, 14, fw::Italic, "GroupBox2"));
  }
  // 40 high rather than 30: the shipped font needs three lines for the footnote.
  rows.push_back(fw::Text("StaticText1", g.footnoteLeft, g.footnoteTop, 195, 40,
                          "* cubic equatons have three solutions, of which two may be complex "
                          "numbers",
                          10, fw::Italic | fw::Wrap, p));
  return rows;
}

RootChoiceForm::RootChoiceForm(fw::Window& window, Hooks hooks)
    : window_(window), hooks_(std::move(hooks)) {
  window_.OnAction("calculate", [this] { calculate_Action(); });
  BindUnitPair(window_, "StaticText3");
  for (int k = 0; k < 3; ++k) window_.OnAction(kChoice[k], [this, k] { Choice_Action(k); });
  window_.OnAction("Clear", [this] { Clear_Action(); });
}

double RootChoiceForm::ChosenVolume() const { return chosen_ ? last_.volumes[*chosen_] : 0.0; }

void RootChoiceForm::calculate_Action() {
  const std::optional<double> kelvin = EnteredKelvin(window_, "dataEntry1");
  const std::optional<double> pressure = fw::Val(window_.Field("dataEntry").Text());
  TurnChoicesOff();
  if (!kelvin || !pressure) return Refuse(kPutNumber);
  if (!AnyComponentPresent(Globals.fraction)) return Refuse(kNoSolution);
  Globals.TempKelvin = *kelvin;
  Globals.PresMPa = *pressure;
  last_.composition = Globals.fraction;
  last_.kelvin = *kelvin;
  last_.pressure = *pressure;
  hasCalculation_ = true;
  ShowRoots(Globals.Volume(last_.composition, *kelvin, *pressure));
  hooks_.emptyResults();
}

// Computes nothing and forgets the calculation before, so that no later root
// choice shows values of an earlier one.
void RootChoiceForm::Refuse(const QString& message) {
  last_ = {};
  hasCalculation_ = false;
  window_.Label(kTextChoice[0]).SetText(message);
  window_.Label(kTextChoice[1]).SetText({});
  window_.Label(kTextChoice[2]).SetText({});
  hooks_.emptyResults();
}

void RootChoiceForm::ShowRoots(const CubicRoots& roots) {
  for (int k = 0; k < 3; ++k) {
    const double re = roots[0][k];
    const double im = roots[1][k];
    window_.Label(kTextChoice[k]).SetText(RootText(re, im));
    last_.volumes[k] = StoredVolume(re, im);
    Globals.MolarVolumes[k] = last_.volumes[k];
  }
}

void RootChoiceForm::TurnChoicesOff() {
  chosen_.reset();
  for (const auto& name : kChoice) window_.RadioOf(name).SetValue(false);
}

void RootChoiceForm::Choice_Action(int column) {
  if (!window_.RadioOf(kChoice[column]).Value() || !hasCalculation_) return;
  chosen_ = column;
  // A complex root is stored as 0: it has no molar volume.
  const double volume = last_.volumes[column];
  window_.Label("Result").SetText(volume == 0.0 ? kNoSolution : fw::Str(volume));
  hooks_.rootChosen(column);
}

// Empties what the window shows; the last calculation stays, and a root picked
// afterwards shows its values.
void RootChoiceForm::Clear_Action() {
  window_.Field("dataEntry").SetText({});
  window_.Field("dataEntry1").SetText({});
  for (const auto& name : kTextChoice) window_.Label(name).SetText({});
  TurnChoicesOff();
  hooks_.emptyResults();
}

}  // namespace common
