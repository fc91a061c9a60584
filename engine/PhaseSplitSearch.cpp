#include "engine/PhaseSplitSearch.h"

#include <cmath>

SecantRun PhaseSplitSecant(double lower, double upper, double f0,
                           const std::function<double(double u)>& residual,
                           const std::function<bool()>& solved, const Yield& yield) {
  double previous = lower;
  double u = upper;
  double step = (upper - lower) / 2.0;
  double fPrevious = -0.01;
  double f = f0;
  for (int pass = 0; pass <= kLastPass; ++pass) {
    if (f == 0.0) {
      // A root of the residual whose compositions still move: stay while they
      // settle, and keep the point before for the secant's next step.
      step = 0.0;
    } else {
      if (f == fPrevious)
        step = (previous == u) ? 2.0 * step : (u - previous) / 2.0;
      else
        step = 0.5 * (previous - u) * f / (f - fPrevious);
      previous = u;
      fPrevious = f;
    }
    u = u + step;
    if (!(u > 0.0)) u = (u - step) / 2.0;  // half the point before
    f = residual(u);
    yield();
    if (!(std::abs(step) <= 1e300) || !std::isfinite(u) || !std::isfinite(f))
      return {u, pass, SearchOutcome::Diverged};
    // Each secant step is a share of the distance between the last two points:
    // once they have closed in, the point moves no more, whether or not it is
    // a root; and a sum difference of 0 says nothing of the compositions.
    const bool stops = f == 0.0 || (std::abs(step / u) < 1e-12 && std::abs(f) <= kResidualTolerance);
    if (stops && solved()) return {u, pass, SearchOutcome::Converged};
  }
  return {u, kLastPass, SearchOutcome::Exhausted};
}

PhasePair EvaluatePhases(Engine& engine, const Composition& x, const Composition& y, double T,
                         double P) {
  PhasePair phases;
  CubicRoots rootsX = engine.Volume(x, T, P);
  phases.volumeX = engine.VolumeChoice(rootsX, 2);
  engine.Fugacities(x, T, P, phases.volumeX);
  phases.phiX = engine.Coefficient;
  CubicRoots rootsY = engine.Volume(y, T, P);
  phases.volumeY = engine.VolumeChoice(rootsY, 0);
  engine.Fugacities(y, T, P, phases.volumeY);
  phases.phiY = engine.Coefficient;
  for (int i = 0; i < ComponentCount; ++i)
    phases.K[i] = phases.phiY[i] > 0.0 ? phases.phiX[i] / phases.phiY[i] : 1.0;
  return phases;
}

void CompositionStep(const Composition& z, const Composition& K, double split, Composition& x,
                     Composition& y) {
  for (int i = 0; i < ComponentCount; ++i) {
    if (!(z[i] > 0.0)) {
      x[i] = y[i] = 0.0;
      continue;
    }
    const double divisor = (1.0 - split) + split * K[i];
    x[i] = divisor > 0.0 ? z[i] / divisor : z[i];
    y[i] = K[i] * x[i];
  }
}

bool FugacitiesAgree(const Composition& z, const Composition& x, const Composition& y,
                     const PhasePair& phases) {
  double total = 0.0;
  for (int i = 0; i < ComponentCount; ++i)
    if (z[i] > 0.0) total += x[i] * phases.phiX[i];
  if (!std::isfinite(total)) return false;
  for (int i = 0; i < ComponentCount; ++i) {
    if (!(z[i] > 0.0)) continue;
    const double gap = std::abs(x[i] * phases.phiX[i] - y[i] * phases.phiY[i]);
    if (!(gap <= kFugacityTolerance * total)) return false;
  }
  return true;
}

bool TrivialSolutionTest(const Composition& z, const Composition& x, const Composition& y,
                         double volumeX, double volumeY) {
  for (int i = 0; i < ComponentCount; ++i) {
    if (!(z[i] > 0.0)) continue;
    const bool volumesAlike = volumeX > 0.0 && std::abs((volumeX - volumeY) / volumeX) < 0.01;
    if (z[i] < 1.0) return std::abs(x[i] - y[i]) < 1e-4 || volumesAlike;
    return z[i] == 1.0 && volumesAlike;
  }
  return false;
}

PhaseSplit PhaseSplitSearch(Engine& engine, const PhaseSplitStart& start, const PassWork& work,
                            const Yield& yield) {
  PhaseSplit split;
  split.x = start.x;
  split.y = start.y;
  const bool pressureSought = start.sought == SoughtVariable::Pressure;
  double& variable = pressureSought ? split.P : split.T;
  (pressureSought ? split.T : split.P) = start.fixed;
  variable = start.upper;
  bool agree = false;  // the phases of the last residual are in equilibrium
  const auto residual = [&](double u) {
    variable = u;
    split.phases = EvaluatePhases(engine, split.x, split.y, split.T, split.P);
    agree = FugacitiesAgree(start.z, split.x, split.y, split.phases);
    return work(split.phases, split.x, split.y);
  };
  split.run = PhaseSplitSecant(start.lower, start.upper, start.f0, residual,
                               [&agree] { return agree; }, yield);
  return split;
}
