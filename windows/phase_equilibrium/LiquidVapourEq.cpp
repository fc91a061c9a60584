#include "windows/phase_equilibrium/LiquidVapourEq.h"

#include "engine/PhaseEquilibria.h"
#include "framework/Numbers.h"
#include "windows/common/Messages.h"
#include "windows/common/UnitPair.h"
#include "windows/phase_equilibrium/PhaseWindowParts.h"

using namespace common;
using namespace phase_equilibrium;

const ScrolledPanelSize LiquidVapourEq::kPanelSize = {600, 835, 700};

namespace {

// The split of the first approach: half of the mixture in each phase.
constexpr double kFirstSplit = 0.5;

// Molar volume and temperature of the mixture.
std::vector<fw::ControlSpec> StateRows() {
  const std::string& p = kPanel;
  std::vector<fw::ControlSpec> rows = {
      fw::Text("MolarVolume1", 20, 20, 130, 25, "Molar Volume", 16, fw::NoFlags, p),
      fw::Edit("dataEntry", 155, 20, 120, 25, 16, fw::NoFlags, p),
      fw::Text("StaticText1", 285, 20, 80, 25, "cm /mol", 16, fw::NoFlags, p),
      fw::Text("StaticText2", 305, 19, 16, 20, "3", 12, fw::NoFlags, p),
      fw::Text("Temperature", 20, 60, 130, 25, "Temperature", 16, fw::NoFlags, p),
      fw::Edit("dataEntry1", 155, 60, 120, 25, 16, fw::NoFlags, p),
      fw::Text("StaticText3", 285, 60, 80, 25, "Kelvin", 16, fw::NoFlags, p),
  };
  for (auto& row : UnitPairRows(368, 60, p)) rows.push_back(std::move(row));
  rows.push_back(fw::Button("Clear", 530, 20, 50, 20, "clear", 10, fw::NoFlags, p));
  return rows;
}

std::vector<fw::ControlSpec> FirstApproachRows() {
  const std::string box = "FirstApproach";
  return {
      fw::Button("CalFirstApproach", 205, 130, 160, 20, "calculate first approach", 12,
                 fw::NoFlags, kPanel),
      fw::Group(box, 20, 155, 560, 215, "First Approach", 16, fw::Italic, kPanel),
      fw::Text("Pstart", 30, 190, 190, 20, "Pressure", 14, fw::NoFlags, box),
      fw::Edit("dataEntry2", 265, 190, 100, 20, 14, fw::NoFlags, box),
      fw::Text("Dimension", 375, 190, 50, 20, "MPa", 14, fw::NoFlags, box),
      fw::Text("FracStart", 30, 222, 230, 20, "Volume fraction of vapour phase", 14, fw::NoFlags,
               box),
      fw::Edit("dataEntry3", 265, 222, 100, 20, 14, fw::NoFlags, box),
      fw::Text("Composition", 30, 258, 100, 20, "Composition", 14, fw::NoFlags, box),
      fw::Text("PhaseX", 150, 258, 60, 20, "Phase X", 14, fw::NoFlags, box),
      fw::Text("PhaseY", 370, 258, 60, 20, "Phase Y", 14, fw::NoFlags, box),
      ComponentListRow("ListBoxPhaseX", 150, 278, box),
      ComponentListRow("ListBoxPhaseY", 370, 278, box),
      fw::Text("StaticText4", 290, 370, 290, 15, kFirstApproachNote, 10, fw::Wrap, kPanel),
  };
}

std::vector<fw::ControlSpec> ResultRows() {
  const std::string& p = kPanel;
  return {
      fw::Button("calculate", 250, 395, 100, 30, "calculate", 18, fw::DefaultButton, p),
      fw::Text("ResultPressure", 20, 440, 100, 25, "Pressure", 16, fw::NoFlags, p),
      fw::Text("Answer", 134, 440, 120, 25, {}, 16, fw::NoFlags, p),
      fw::Text("Dimension2", 264, 440, 70, 25, "MPa", 16, fw::NoFlags, p),
      fw::Text("PhaseX1", 180, 475, 60, 20, "Phase X", 14, fw::NoFlags, p),
      fw::Text("PhaseY1", 390, 475, 60, 20, "Phase Y", 14, fw::NoFlags, p),
      fw::Text("ResultFraction", 20, 500, 150, 25, "Volume Fraction", 16, fw::NoFlags, p),
      OneValueRow("ListBoxFracX", 180, 500, p),
      OneValueRow("ListBoxFracY", 390, 500, p),
      fw::Text("MolarVolume", 20, 535, 150, 25, "Molar Volume", 16, fw::NoFlags, p),
      OneValueRow("ListBoxVmX", 180, 535, p),
      OneValueRow("ListBoxVmY", 390, 535, p),
      fw::Text("Density", 20, 570, 150, 25, "Density", 16, fw::NoFlags, p),
      OneValueRow("ListBoxDX", 180, 570, p),
      OneValueRow("ListBoxDY", 390, 570, p),
      fw::Text("Compositions", 20, 605, 150, 25, "Composition", 16, fw::NoFlags, p),
      ComponentListRow("ListBoxPhaseX1", 180, 605, p),
      ComponentListRow("ListBoxPhaseY1", 390, 605, p),
      fw::Text("Fugacity", 20, 695, 150, 25, "Fugacity (MPa)", 16, fw::NoFlags, p),
      ComponentListRow("ListBoxPhaseX2", 180, 695, p),
      ComponentListRow("ListBoxPhaseY2", 390, 695, p),
      fw::RoundRectangleRow("RoundRectangle1", 20, 790, 560, 25, 16, p),
      fw::Text("ResultText", 30, 793, 540, 19, {}, 14, fw::NoFlags, "RoundRectangle1"),
  };
}

}  // namespace

const fw::WindowLayout& LiquidVapourEq::Layout() {
  static const fw::WindowLayout layout =
      ScrolledWindowLayout("LiquidVapourEq", "Liquid-Vapour Equilibrium", 64, kPanelSize,
                           {StateRows(), FirstApproachRows(), ResultRows()});
  return layout;
}

LiquidVapourEq::LiquidVapourEq() : fw::Window(Layout()), lists_(*this), panel_(*this, kPanelSize) {
  OnAction("calculate", [this] { calculate_Action(); });
  BindUnitPair(*this, "StaticText3");
  OnAction("CalFirstApproach", [this] { CalFirstApproach_Action(); });
  OnAction("Clear", [this] { Clear_Action(); });
}

void LiquidVapourEq::Event_Resizing() { panel_.Resizing(); }

void LiquidVapourEq::EmptyResults() {
  Label("Answer").SetText({});
  Label("ResultText").SetText({});
  List("ListBoxFracX").DeleteAllRows();
  List("ListBoxFracY").DeleteAllRows();
  EmptyPhaseLists(*this);
}

// A search that cannot start shows no point at all.
void LiquidVapourEq::FailAtOnce() {
  EmptyResults();
  Label("ResultText").SetText(kSearchFailed);
}

// The first approach, its edits and the results that came from it go together.
void LiquidVapourEq::ForgetFirstApproach() {
  EmptyResults();
  lists_.Clear();
  start_.reset();
  Field("dataEntry2").SetText({});
  Field("dataEntry3").SetText({});
}

// A first approach that computes nothing leaves nothing to go on from.
void LiquidVapourEq::RefuseFirstApproach(const QString& message) {
  ForgetFirstApproach();
  Field("dataEntry2").SetText(message);
}

// What was computed for a composition the fluid window no longer holds goes,
// refusals included.
void LiquidVapourEq::Event_CompositionChanged() { ForgetFirstApproach(); }

// A calculate that computes nothing leaves no result of the one before.
void LiquidVapourEq::RefuseCalculation(const QString& message) {
  EmptyResults();
  Label("Answer").SetText(message);
}

void LiquidVapourEq::ShowVapourFraction(double w) {
  fw::ListBox& liquid = List("ListBoxFracX");
  liquid.DeleteAllRows();
  liquid.AddRow({fw::ResultText(1.0 - w)});
  fw::ListBox& vapour = List("ListBoxFracY");
  vapour.DeleteAllRows();
  vapour.AddRow({fw::ResultText(w)});
}

// The mean of the Raoult bubble and dew pressures, half of the mixture in each
// phase, and Wilson K-values at that pressure. A temperature not above 0 K is
// no state to start from.
void LiquidVapourEq::CalFirstApproach_Action() {
  if (searching_) return;
  const std::optional<double> kelvin = EnteredKelvin(*this, "dataEntry1");
  if (!kelvin) return RefuseFirstApproach(kPutNumber);
  const Composition z = Globals.fraction;
  if (!AnyComponentPresent(z) || !(*kelvin > 0.0)) return RefuseFirstApproach(kNoSolution);

  EmptyResults();
  Globals.TempKelvin = *kelvin;
  Field("dataEntry3").SetText(fw::Str(kFirstSplit));
  const double pressure = MeanRaoultPressure(Globals, z, *kelvin);
  Globals.PresMPa = pressure;
  Field("dataEntry2").SetText(fw::ResultText(pressure));
  const FirstApproach first = LiquidVapourFirstApproach(Globals, z, *kelvin, pressure);
  StorePhases(first);
  lists_.Show(z, first.x, first.y);
  start_ = Start{z, first.K};
}

// The first approach's compositions (and their edits) are not used here: the
// search starts from the K-values and the vapour volume fraction. A molar
// volume not above the mixture's co-volume, a temperature not above 0 K or a
// start pressure not above 0 MPa is no state to search at.
void LiquidVapourEq::calculate_Action() {
  if (searching_) return;
  const std::optional<double> volume = fw::Val(Field("dataEntry").Text());
  const std::optional<double> kelvin = EnteredKelvin(*this, "dataEntry1");
  const std::optional<double> pressure = fw::Val(Field("dataEntry2").Text());
  const std::optional<double> fraction = fw::Val(Field("dataEntry3").Text());
  if (!volume || !kelvin || !pressure || !fraction) return RefuseCalculation(kPutNumber);
  if (!AnyComponentPresent(Globals.fraction)) return RefuseCalculation(kNoSolution);
  if (!start_) return FailAtOnce();
  if (!(*volume > Globals.CoVolume(start_->z)) || !(*kelvin > 0.0) || !(*pressure > 0.0))
    return RefuseCalculation(kNoSolution);

  const LiquidVapourSetup setup{start_->z, start_->K, *volume, *kelvin, *pressure, *fraction};
  const SearchRunning running(searching_);
  const LiquidVapourSplit found = LiquidVapourSearch(Globals, setup, YieldToWindows);
  if (!start_) return;  // the composition changed while the search ran
  if (!found.started) return FailAtOnce();
  Globals.K_liq_vap = found.split.phases.K;
  start_->K = found.split.phases.K;  // a second calculate goes on from here

  Verdict verdict = Judge(found.split);
  if (verdict == Verdict::Trivial) {
    if (const std::optional<PhaseSplit> state = OnePhaseState(Globals, setup.z, *volume, *kelvin))
      return ShowOnePhase(*state);
    verdict = Verdict::NoSolution;  // no one phase can fill the volume there
  }
  ShowSearchEnd(found, verdict);
}

// The phases of the search's last point and the share of the volume in each.
void LiquidVapourEq::ShowSearchEnd(const LiquidVapourSplit& found, Verdict verdict) {
  const SecantRun& run = found.split.run;
  ShowVapourFraction(found.vapourFraction);
  ShowPhaseSplit(*this, found.split, start_->z);
  Label("ResultText").SetText(VerdictText(verdict, run));
  if (run.Converged() && !IsVolumeShare(found.vapourFraction))
    Label("ResultText").SetText(kFractionsOutOfRange);
}

// The mixture as one phase at the given volume and temperature: two phases
// that are one take no share of the volume each.
void LiquidVapourEq::ShowOnePhase(const PhaseSplit& state) {
  List("ListBoxFracX").DeleteAllRows();
  List("ListBoxFracY").DeleteAllRows();
  ShowPhaseSplit(*this, state, state.x);
  Label("ResultText").SetText(kTrivialSolution);
}

void LiquidVapourEq::Clear_Action() {
  if (searching_) return;
  for (const char* field : {"dataEntry", "dataEntry1"}) Field(field).SetText({});
  ForgetFirstApproach();  // nothing shown is left to go on from
}
