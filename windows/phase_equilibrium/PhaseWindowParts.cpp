#include "windows/phase_equilibrium/PhaseWindowParts.h"

#include "engine/Services.h"
#include "framework/Numbers.h"
#include "windows/common/ComponentRows.h"
#include "windows/common/Messages.h"

namespace phase_equilibrium {

namespace {

void ShowOneValue(fw::Window& window, std::string_view list, const QString& text) {
  fw::ListBox& box = window.List(list);
  box.DeleteAllRows();
  box.AddRow({text});
}

// A property of a phase that has a molar volume; else "no solution".
QString PhaseValue(double volume, double value) {
  return volume > 0.0 ? fw::ResultText(value) : common::kNoSolution;
}

}  // namespace

fw::ControlSpec ComponentListRow(std::string name, int left, int top, std::string parent) {
  fw::ControlSpec row = fw::ListBoxRow(std::move(name), left, top, 190, 80, 2, "40%,60%", {}, 14,
                                       std::move(parent));
  row.flags = fw::Italic;
  return row;
}

fw::ControlSpec OneValueRow(std::string name, int left, int top, std::string parent) {
  return fw::ListBoxRow(std::move(name), left, top, 190, 25, 1, {}, {}, 16, std::move(parent));
}

void EmptyPhaseLists(fw::Window& window) {
  for (const char* list : {"ListBoxVmX", "ListBoxDX", "ListBoxPhaseX1", "ListBoxPhaseX2",
                           "ListBoxVmY", "ListBoxDY", "ListBoxPhaseY1", "ListBoxPhaseY2"})
    window.List(list).DeleteAllRows();
}

void ShowPhaseSplit(fw::Window& window, const PhaseSplit& split, const Composition& z) {
  window.Label("Answer").SetText(fw::ResultText(split.run.point));
  const PhasePair& phases = split.phases;
  const double vx = phases.volumeX, vy = phases.volumeY;
  ShowOneValue(window, "ListBoxVmX", PhaseValue(vx, vx));
  ShowOneValue(window, "ListBoxDX", PhaseValue(vx, Globals.Density(split.x, vx)));
  ShowOneValue(window, "ListBoxVmY", PhaseValue(vy, vy));
  ShowOneValue(window, "ListBoxDY", PhaseValue(vy, Globals.Density(split.y, vy)));

  const auto present = [&z](int i) { return z[i] != 0.0; };
  const double P = split.P;
  common::FillComponentRows(window.List("ListBoxPhaseX1"), present,
                            [&](int i) { return QStringList{fw::ResultText(split.x[i])}; });
  common::FillComponentRows(window.List("ListBoxPhaseY1"), present,
                            [&](int i) { return QStringList{fw::ResultText(split.y[i])}; });
  common::FillComponentRows(window.List("ListBoxPhaseX2"), present, [&](int i) {
    return QStringList{PhaseValue(vx, split.x[i] * phases.phiX[i] * P)};
  });
  common::FillComponentRows(window.List("ListBoxPhaseY2"), present, [&](int i) {
    return QStringList{PhaseValue(vy, split.y[i] * phases.phiY[i] * P)};
  });
}

Verdict Judge(const PhaseSplit& split) {
  if (split.run.outcome == SearchOutcome::OnePhase) return Verdict::Trivial;
  return split.run.Failed() ? Verdict::NoSolution : Verdict::Solution;
}

QString VerdictText(Verdict verdict, const SecantRun& run) {
  switch (verdict) {
    case Verdict::Solution:
      return QStringLiteral("Solution after %1 iterations").arg(run.lastPass);
    case Verdict::Trivial:
      return kTrivialSolution;
    case Verdict::NoSolution:
      break;
  }
  return kSearchFailed;
}

void StorePhases(const FirstApproach& phases) {
  Globals.K_liq_vap = phases.K;
  Globals.xgas = phases.x;
  Globals.ygas = phases.y;
}

void YieldToWindows() { RuntimeBackgroundTask(); }

}  // namespace phase_equilibrium
