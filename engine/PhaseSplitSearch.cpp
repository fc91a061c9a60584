#include "engine/PhaseSplitSearch.h"

#include <cmath>

SecantRun PhaseSplitSecant(double lower, double upper, double f0,
                           const std::function<double(double u)>& residual, const Yield& yield) {
  double previous = lower;
  double u = upper;
  double step = (upper - lower) / 2.0;
  double fPrevious = -0.01;
  double f = f0;
  for (int pass = 0; pass <= kLastPass; ++pass) {
    if (f == fPrevious && f != 0.0)
      step = (previous == u) ? 2.0 * step : (u - previous) / 2.0;
    else
      step = 0.5 * (previous - u) * f / (f - fPrevious);
    previous = u;
    fPrevious = f;
    u = u + step;
    if (!(u > 0.0)) u = (u - step) / 2.0;  // half the point before
    f = residual(u);
    yield();
    if (!(std::abs(step) <= 1e300) || !std::isfinite(u) || !std::isfinite(f))
      return {u, pass, SearchOutcome::Diverged};
    if (f == 0.0) return {u, pass, SearchOutcome::Converged};
    if (std::abs(step / u) < 1e-12) {
      // Each secant step is a share of the distance between the last two
      // points: once they have closed in, the point moves no more, whether or
      // not it is a root.
      const bool atRoot = std::abs(f) <= kResidualTolerance;
      return {u, pass, atRoot ? SearchOutcome::Converged : SearchOutcome::Stalled};
    }
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
    const double divisor = 1.0 + split * (K[i] - 1.0);
    x[i] = divisor > 0.0 ? z[i] / divisor : z[i];
    y[i] = K[i] * x[i];
  }
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
  const auto residual = [&](double u) {
    variable = u;
    split.phases = EvaluatePhases(engine, split.x, split.y, split.T, split.P);
    return work(split.phases, split.x, split.y);
  };
  split.run = PhaseSplitSecant(start.lower, start.upper, start.f0, residual, yield);
  return split;
}
