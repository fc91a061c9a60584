#include "windows/stability/CriticalPointWindow.h"

#include "framework/Application.h"
#include "framework/Numbers.h"
#include "windows/common/Messages.h"
#include "windows/common/UnitPair.h"
#include "windows/stability/Explain.h"
#include "windows/stability/MathAnal.h"

using namespace common;
using namespace stability;

namespace {

// A fluid is pure when one fraction is the whole.
bool PureFluid(const Composition& x) {
  for (double xi : x)
    if (xi == 1.0) return true;
  return false;
}

}  // namespace

const fw::WindowLayout& CriticalPointWindow::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "CriticalPointWindow",
                       .title = "Critical Point",
                       .width = 450,
                       .height = 660,
                       .placement = 0,
                       .controls = {}};
    const std::string box = "GroupBox1";
    l.controls = {
        fw::Text("StaticText1", 140, 20, 270, 60,
                 "Determinant of matrices with elements of the derivatives of the Helmholtz "
                 "Energy as a function of volume (V), temperature (T) and amount of substance (n)",
                 12, fw::Wrap),
        fw::Text("StaticText2", 20, 20, 100, 20, "Definition", 18),
        fw::Text("ResultPseudoV", 190, 135, 70, 15, {}, 14),
        fw::Text("ResultPseudoT", 190, 160, 70, 15, {}, 14),
        fw::Text("ResultPseudoP", 190, 185, 70, 15, {}, 14),
        fw::Group(box, 20, 280, 410, 300, "Sectant Method (root-finding)", 16, fw::Italic),
        fw::Text("Homogen", 30, 320, 180, 20, "First-guess Molar Volume", 14, fw::NoFlags, box),
        fw::Text("Homogen1", 215, 350, 20, 20, "V2", 14, fw::NoFlags, box),
        fw::Text("VcmText1", 355, 320, 60, 20, "cm /mol", 14, fw::NoFlags, box),
        fw::Text("VcmText11", 354, 350, 60, 20, "cm /mol", 14, fw::NoFlags, box),
        fw::Text("StaticText3", 373, 318, 15, 15, "3", 11, fw::NoFlags, box),
        fw::Text("StaticText4", 372, 348, 15, 15, "3", 11, fw::NoFlags, box),
        fw::Edit("dataEntry1", 240, 320, 110, 20, 14, fw::NoFlags, box),
        fw::Edit("dataEntry2", 240, 350, 110, 20, 14, fw::NoFlags, box),
        fw::Text("MolarVolume", 30, 445, 130, 20, "Molar Volume", 16, fw::NoFlags, box),
        fw::Button("calculate", 175, 395, 100, 30, "calculate", 18, fw::DefaultButton, box),
        fw::Text("Temperature", 30, 485, 130, 20, "Temperature", 16, fw::NoFlags, box),
        fw::Text("StaticText5", 270, 545, 80, 20, "MPa", 16, fw::NoFlags, box),
    };
    for (auto& row : UnitPairRows(352, 480, box, "GroupBox2")) l.controls.push_back(std::move(row));
    const std::vector<fw::ControlSpec> rest = {
        fw::Text("Pressure", 30, 545, 130, 20, "Pressure", 16, fw::NoFlags, box),
        fw::Text("ResultV", 165, 445, 100, 20, {}, 16, fw::NoFlags, box),
        fw::Text("StaticText6", 270, 445, 80, 20, "cm /mol", 16, fw::NoFlags, box),
        fw::Text("StaticText7", 290, 442, 15, 20, "3", 12, fw::NoFlags, box),
        fw::Text("StaticText8", 270, 485, 80, 20, "Kelvin", 16, fw::NoFlags, box),
        fw::Text("ResultT", 165, 485, 100, 20, {}, 16, fw::NoFlags, box),
        fw::Text("ResultP", 165, 545, 100, 20, {}, 16, fw::NoFlags, box),
        fw::Text("StaticText9", 342, 441, 16, 20, "*", 12, fw::NoFlags, box),
        fw::Text("StaticText10", 170, 215, 250, 40,
                 "* for pure gases: the pseudo-critical molar volume is equal to the critical "
                 "molar volume, whereas temperature and pressure may differ.",
                 10, fw::Wrap),
        fw::Text("Homogen11", 215, 320, 20, 20, "V1", 14, fw::NoFlags, box),
        fw::Text("StaticText11", 20, 100, 220, 20, "Pseudo-critical Conditions", 18),
        fw::Text("PseudoV", 80, 135, 110, 15, "Molar Volume*", 14),
        fw::Button("Analysis", 270, 605, 150, 25, "Mathematical Analysis", 12),
        fw::Text("StaticText12", 84, 610, 180, 20, "In case of a curious solution:", 12),
        fw::Text("PseudoT", 80, 160, 100, 15, "Temperature", 14),
        fw::Text("PseudoP", 80, 185, 100, 15, "Pressure", 14),
        fw::Text("VcmText", 275, 135, 60, 15, "cm /mol", 14),
        fw::Text("KelvinText", 275, 160, 60, 15, "Kelvin", 14),
        fw::Text("MPaText", 275, 185, 60, 15, "MPa", 14),
        fw::Text("StaticText13", 293, 131, 15, 15, "3", 11),
        fw::Button("pseudo", 360, 100, 60, 20, "Explain", 10),
    };
    l.controls.insert(l.controls.end(), rest.begin(), rest.end());
    return l;
  }();
  return layout;
}

CriticalPointWindow::CriticalPointWindow() : fw::Window(Layout()) {
  OnAction("calculate", [this] { calculate_Action(); });
  BindTemperatureUnits(*this, last_, "ResultT", "StaticText8");
  OnAction("Analysis", [this] { Analysis_Action(); });
  OnAction("pseudo", [this] { pseudo_Action(); });
}

// The pseudo-critical point follows the composition on every activation; the
// first guesses only when the composition changed since they were filled, so
// that typed guesses survive a visit to another window. A new composition also
// takes away the critical point of the old one.
void CriticalPointWindow::Event_Activate() {
  const Composition x = Globals.fraction;
  const bool fillGuesses = guessesFor_ != x;
  guessesFor_ = x;
  if (fillGuesses) ForgetCriticalPoint();
  if (!AnyComponentPresent(x)) {
    for (const char* field : {"ResultPseudoV", "ResultPseudoT", "ResultPseudoP"})
      Label(field).SetText(kNoSolution);
    if (fillGuesses) {
      Field("dataEntry1").SetText({});
      Field("dataEntry2").SetText({});
    }
    return;
  }
  const double b = Globals.bMixture(x);
  const double a = Globals.aMixture(x);
  const PseudoCriticalPoint pseudo = PseudoCritical(a, b);
  Label("ResultPseudoV").SetText(fw::ResultText(pseudo.volume));
  Label("ResultPseudoT").SetText(fw::ResultText(pseudo.kelvin));
  Label("ResultPseudoP").SetText(fw::ResultText(pseudo.pressure));
  if (fillGuesses) {
    Field("dataEntry1").SetText(fw::Str(pseudo.volume));
    Field("dataEntry2").SetText(fw::Str(b + (pseudo.volume - b) / 2.0));
  }
}

std::optional<CriticalSearchResult> CriticalPointWindow::SearchFromGuesses(
    const MixtureTerms& terms) {
  const std::optional<double> first = fw::Val(Field("dataEntry1").Text());
  const std::optional<double> second = fw::Val(Field("dataEntry2").Text());
  if (!first || !second) return std::nullopt;
  return CriticalPointSearch(terms, *first, *second, fw::RuntimeBackgroundTask);
}

void CriticalPointWindow::calculate_Action() {
  const Composition x = Globals.fraction;
  const std::optional<MixtureTerms> terms = MixTerms(Globals, x);
  if (!terms) {  // no component: no state
    last_.SetMessage(kNoSolution);
    ShowResults(kNoSolution, kNoSolution);
    ShowInKelvin(*this, last_, "ResultT", "StaticText8");
    return;
  }
  if (PureFluid(x)) {
    ShowCriticalPoint(x, PureCriticalPoint(*terms, fw::RuntimeBackgroundTask));
    return;
  }
  const std::optional<CriticalSearchResult> result = SearchFromGuesses(*terms);
  if (!result) {
    last_.SetMessage({});
    ShowResults(kPutNumber, {});
    Label("ResultT").SetText({});
    return;
  }
  ShowCriticalPoint(x, *result);
}

void CriticalPointWindow::ShowCriticalPoint(const Composition& x,
                                            const CriticalSearchResult& result) {
  Globals.TempKelvin = result.kelvin;
  Globals.PresMPa = result.kelvin > 0.0 && result.volume > 0.0
                        ? Globals.Pressure(x, result.kelvin, result.volume)
                        : 0.0;
  if (result.found) {
    last_.SetKelvin(result.kelvin);
    ShowResults(fw::ResultText(result.volume), fw::ResultText(Globals.PresMPa));
  } else {
    last_.SetMessage(kNoSolution);
    ShowResults(kNoSolution, kNoSolution);
  }
  ShowInKelvin(*this, last_, "ResultT", "StaticText8");
}

void CriticalPointWindow::ForgetCriticalPoint() {
  last_.SetMessage({});
  ShowResults({}, {});
  ShowTemperature(*this, last_, "ResultT", "StaticText8");
}

void CriticalPointWindow::ShowResults(const QString& volume, const QString& pressure) {
  Label("ResultV").SetText(volume);
  Label("ResultP").SetText(pressure);
}

void CriticalPointWindow::Analysis_Action() { fw::ShowWindow<MathAnal>(); }

void CriticalPointWindow::pseudo_Action() { fw::ShowWindow<Explain>(); }
