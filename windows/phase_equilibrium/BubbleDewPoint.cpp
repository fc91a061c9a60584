#include "windows/phase_equilibrium/BubbleDewPoint.h"

#include "engine/PhaseEquilibria.h"
#include "framework/Numbers.h"
#include "resources/PictureTable.h"
#include "windows/common/Messages.h"
#include "windows/common/UnitPair.h"
#include "windows/phase_equilibrium/PhaseWindowParts.h"

using namespace common;
using namespace phase_equilibrium;

const ScrolledPanelSize BubbleDewPoint::kPanelSize = {620, 925, 700};

namespace {

// The first temperature of a search for the homogenization temperature, K.
constexpr double kFirstTemperature = 298.15;

const QString kHomogenizationPressure = QStringLiteral("Homogenization Pressure");
const QString kHomogenizationTemperature = QStringLiteral("Homogenization Temperature");

// "Select": what is given, a temperature (in the unit of the pair) or a pressure.
std::vector<fw::ControlSpec> GivenRows() {
  const std::string box = "GroupBox6";
  std::vector<fw::ControlSpec> rows = {
      fw::Group(box, 20, 15, 480, 130, "Select", 16, fw::Italic, kPanel),
      fw::Radio("RadioButtonTh", 35, 45, 260, 25, kHomogenizationTemperature, 16, fw::On, box),
      fw::Edit("dataEntryTh", 305, 45, 100, 25, 16, fw::NoFlags, box),
      fw::Text("StaticText3", 415, 45, 70, 25, "Kelvin", 16, fw::NoFlags, box),
      fw::Radio("RadioButtonPh", 35, 105, 260, 25, kHomogenizationPressure, 16, fw::NoFlags, box),
      fw::Edit("dataEntryPh", 305, 105, 100, 25, 16, fw::NoFlags, box),
      fw::Text("StaticText4", 415, 105, 70, 25, "MPa", 16, fw::NoFlags, box),
  };
  for (auto& row : UnitPairRows(520, 65, kPanel)) rows.push_back(std::move(row));
  rows.push_back(fw::Button("Clear", 550, 20, 50, 20, "clear", 10, fw::NoFlags, kPanel));
  return rows;
}

// "Mode": the mixture as the liquid or as the vapour, with its picture.
std::vector<fw::ControlSpec> ModeRows() {
  const std::string box = "GroupBox7";
  return {
      fw::Group(box, 20, 155, 270, 85, "Mode", 16, fw::Italic, kPanel),
      fw::Radio("Vapour1", 28, 183, 110, 25, " Vapour", 16, fw::NoFlags, box),
      fw::Radio("Liquid1", 28, 206, 110, 25, " Liquid", 16, fw::NoFlags, box),
      fw::ImageWellRow("ImageWell3", 155, 185, 120, 45, Liquid, fw::Hidden, box),
      fw::ImageWellRow("ImageWell4", 155, 185, 120, 45, Vapour, fw::Hidden, box),
  };
}

std::vector<fw::ControlSpec> FirstApproachRows() {
  const std::string box = "GroupBox5";
  return {
      fw::Button("FirstApproach", 205, 255, 170, 25, "calculate first approach", 12, fw::NoFlags,
                 kPanel),
      fw::Group(box, 20, 280, 560, 190, "First Approach", 16, fw::Italic, kPanel),
      fw::Text("Homogen", 30, 315, 210, 20, kHomogenizationPressure, 14, fw::NoFlags, box),
      fw::Edit("dataEntry2", 250, 315, 120, 20, 14, fw::NoFlags, box),
      fw::Text("Dimension", 380, 315, 50, 20, "MPa", 14, fw::NoFlags, box),
      fw::Text("Composition", 30, 355, 90, 20, "Composition", 14, fw::NoFlags, box),
      fw::Text("PhaseX", 150, 355, 60, 20, "Phase X", 14, fw::NoFlags, box),
      fw::Text("PhaseY", 370, 355, 60, 20, "Phase Y", 14, fw::NoFlags, box),
      ComponentListRow("ListBoxPhaseX", 150, 375, box),
      ComponentListRow("ListBoxPhaseY", 370, 375, box),
      fw::Text("StaticText5", 290, 470, 290, 15, kFirstApproachNote, 10, fw::Wrap, kPanel),
  };
}

std::vector<fw::ControlSpec> ResultRows() {
  const std::string& p = kPanel;
  return {
      fw::Button("calculate", 250, 500, 100, 30, "calculate", 18, fw::DefaultButton, p),
      fw::Text("Homogen2", 20, 545, 240, 25, kHomogenizationPressure, 16, fw::NoFlags, p),
      fw::Text("Answer", 270, 545, 120, 25, {}, 16, fw::NoFlags, p),
      fw::Text("Dimension2", 400, 545, 70, 25, "MPa", 16, fw::NoFlags, p),
      fw::Text("PhaseX1", 165, 580, 190, 20, "Phase X", 14, fw::NoFlags, p),
      fw::Text("PhaseY1", 390, 580, 190, 20, "Phase Y", 14, fw::NoFlags, p),
      fw::Text("MolarVolume", 20, 605, 120, 25, "Molar Volume", 16, fw::NoFlags, p),
      OneValueRow("ListBoxVmX", 165, 605, p),
      OneValueRow("ListBoxVmY", 390, 605, p),
      fw::Text("Density", 20, 645, 120, 25, "Density", 16, fw::NoFlags, p),
      OneValueRow("ListBoxDX", 165, 645, p),
      OneValueRow("ListBoxDY", 390, 645, p),
      fw::Text("Compositions", 20, 685, 110, 25, "Composition", 16, fw::NoFlags, p),
      ComponentListRow("ListBoxPhaseX1", 165, 685, p),
      ComponentListRow("ListBoxPhaseY1", 390, 685, p),
      fw::Text("Fugacity", 20, 775, 125, 25, "Fugacity (MPa)", 16, fw::NoFlags, p),
      ComponentListRow("ListBoxPhaseX2", 165, 775, p),
      ComponentListRow("ListBoxPhaseY2", 390, 775, p),
      fw::RoundRectangleRow("RoundRectangle1", 20, 875, 560, 25, 16, p),
      fw::Text("ResultText", 30, 878, 540, 19, {}, 14, fw::NoFlags, "RoundRectangle1"),
  };
}

}  // namespace

const fw::WindowLayout& BubbleDewPoint::Layout() {
  static const fw::WindowLayout layout =
      ScrolledWindowLayout("BubbleDewPoint", "Bubble-Dew point", 400, kPanelSize,
                           {GivenRows(), ModeRows(), FirstApproachRows(), ResultRows()});
  return layout;
}

BubbleDewPoint::BubbleDewPoint() : fw::Window(Layout()), lists_(*this), panel_(*this, kPanelSize) {
  OnAction("RadioButtonTh", [this] { RadioButtonTh_Action(); });
  OnAction("RadioButtonPh", [this] { RadioButtonPh_Action(); });
  BindUnitPair(*this, "StaticText3");
  OnAction("Vapour1", [this] { Vapour1_Action(); });
  OnAction("Liquid1", [this] { Liquid1_Action(); });
  OnAction("FirstApproach", [this] { FirstApproach_Action(); });
  OnAction("calculate", [this] { calculate_Action(); });
  OnAction("Clear", [this] { Clear_Action(); });
}

void BubbleDewPoint::Event_Resizing() { panel_.Resizing(); }

void BubbleDewPoint::NameSoughtQuantity(const QString& quantity, const QString& unit) {
  Label("Homogen").SetText(quantity);
  Label("Homogen2").SetText(quantity);
  Label("Dimension").SetText(unit);
  Label("Dimension2").SetText(unit);
}

void BubbleDewPoint::RadioButtonTh_Action() {
  if (!RadioOf("RadioButtonTh").Value()) return;
  Field("dataEntryPh").SetText({});
  NameSoughtQuantity(kHomogenizationPressure, QStringLiteral("MPa"));
}

void BubbleDewPoint::RadioButtonPh_Action() {
  if (!RadioOf("RadioButtonPh").Value()) return;
  Field("dataEntryTh").SetText({});
  NameSoughtQuantity(kHomogenizationTemperature, QStringLiteral("Kelvin"));
}

void BubbleDewPoint::Vapour1_Action() {
  const bool on = RadioOf("Vapour1").Value();
  Control("ImageWell4").setVisible(on);
  if (on) Control("ImageWell3").hide();
}

void BubbleDewPoint::Liquid1_Action() {
  const bool on = RadioOf("Liquid1").Value();
  Control("ImageWell3").setVisible(on);
  if (on) Control("ImageWell4").hide();
}

double BubbleDewPoint::Split() const { return RadioOf("Vapour1").Value() ? 1.0 : 0.0; }

void BubbleDewPoint::ShowPhaseCaptions() {
  Label("PhaseX1").SetText(QStringLiteral("Phase X"));
  Label("PhaseY1").SetText(QStringLiteral("Phase Y"));
}

// The result area, the mark of a solution phase in the captions included.
void BubbleDewPoint::EmptyResults() {
  EmptyPhaseLists(*this);
  Label("ResultText").SetText({});
  Label("Answer").SetText({});
  ShowPhaseCaptions();
}

// The first approach, its edits and the results that came from it go together.
void BubbleDewPoint::ForgetFirstApproach() {
  EmptyResults();
  lists_.Clear();
  start_.reset();
  Field("dataEntry2").SetText({});
}

// A first approach that computes nothing leaves nothing to go on from.
void BubbleDewPoint::RefuseFirstApproach(const QString& message) {
  ForgetFirstApproach();
  Field("dataEntry2").SetText(message);
}

// What was computed for a composition the fluid window no longer holds goes,
// refusals included.
void BubbleDewPoint::Event_CompositionChanged() { ForgetFirstApproach(); }

// A calculate that computes nothing leaves no result of the one before.
void BubbleDewPoint::RefuseCalculation(const QString& message) {
  EmptyResults();
  Label("Answer").SetText(message);
}

// The given temperature (or, with the pressure given, 298.15 K) and the
// Raoult pressure (or the given pressure) become the start; Wilson K-values
// split the mixture into the two start compositions. A given temperature or
// pressure not above 0 (K, MPa) is no state to start from.
void BubbleDewPoint::FirstApproach_Action() {
  if (searching_) return;
  const bool temperatureGiven = RadioOf("RadioButtonTh").Value();
  const std::optional<double> given = temperatureGiven ? EnteredKelvin(*this, "dataEntryTh")
                                                       : fw::Val(Field("dataEntryPh").Text());
  if (!given) return RefuseFirstApproach(kPutNumber);
  const Composition z = Globals.fraction;
  if (!AnyComponentPresent(z) || !(*given > 0.0)) return RefuseFirstApproach(kNoSolution);

  EmptyResults();
  const double split = Split();
  const double kelvin = temperatureGiven ? *given : kFirstTemperature;
  const double pressure =
      temperatureGiven ? Globals.RaoultPressure(z, kelvin, static_cast<int>(split)) : *given;
  Globals.TempKelvin = kelvin;
  Globals.PresMPa = pressure;
  Field("dataEntry2").SetText(fw::ResultText(temperatureGiven ? pressure : kelvin));
  const FirstApproach first = HomogenizationFirstApproach(Globals, z, kelvin, pressure, split);
  StorePhases(first);
  lists_.Show(z, first.x, first.y);
  start_ = Start{z, kelvin, pressure};
}

// A start not above 0 (MPa or K) is no state: the search would begin there.
void BubbleDewPoint::calculate_Action() {
  if (searching_) return;
  const std::optional<double> first = fw::Val(Field("dataEntry2").Text());
  if (!first || !lists_.AllNumbers()) return RefuseCalculation(kPutNumber);
  if (!AnyComponentPresent(Globals.fraction)) return RefuseCalculation(kNoSolution);
  if (!start_) {
    EmptyResults();
    return Label("ResultText").SetText(kSearchFailed);
  }
  if (!(*first > 0.0)) return RefuseCalculation(kNoSolution);
  ShowPhaseCaptions();
  const bool liquidMode = RadioOf("Liquid1").Value();
  const bool vapourMode = RadioOf("Vapour1").Value();
  HomogenizationSetup setup;
  setup.z = start_->z;
  setup.x = lists_.X();
  setup.y = lists_.Y();
  setup.pressureSought = RadioOf("RadioButtonTh").Value();
  setup.givenT = start_->kelvin;
  setup.givenP = start_->pressure;
  setup.start = *first;
  setup.split = Split();

  const SearchRunning running(searching_);
  const PhaseSplit found = HomogenizationSearch(Globals, setup, YieldToWindows);
  if (!start_) return;  // the composition changed while the search ran
  StorePhases({found.phases.K, found.x, found.y});
  lists_.Hold(found.x, found.y);  // a second calculate goes on from here

  ShowPhaseSplit(*this, found, setup.z);
  const Verdict verdict = Judge(found);
  Label("ResultText").SetText(VerdictText(verdict, found.run));
  if (verdict == Verdict::Solution) MarkSolutionPhase(liquidMode, vapourMode, found.phases);
}

// The liquid's solution is the denser phase, the vapour's the lighter one.
void BubbleDewPoint::MarkSolutionPhase(bool liquidMode, bool vapourMode, const PhasePair& phases) {
  if (!liquidMode && !vapourMode) return;
  const double vx = phases.volumeX, vy = phases.volumeY;
  const bool xIsSolution = liquidMode ? vx < vy : vy < vx;
  const bool yIsSolution = liquidMode ? vy < vx : vx < vy;
  if (xIsSolution) Label("PhaseX1").SetText(QStringLiteral("Phase X, solution"));
  if (yIsSolution) Label("PhaseY1").SetText(QStringLiteral("Phase Y, solution"));
}

void BubbleDewPoint::Clear_Action() {
  if (searching_) return;
  for (const char* field : {"dataEntryTh", "dataEntryPh"}) Field(field).SetText({});
  RadioOf("Liquid1").SetValue(false);
  RadioOf("Vapour1").SetValue(false);
  Control("ImageWell3").hide();
  Control("ImageWell4").hide();
  ForgetFirstApproach();  // nothing shown is left to go on from
}
