#include "engine/PhaseSplitSearch.h"

#include <cmath>

namespace {

// Molar volumes less than 1 % of V_X apart (V_X > 0).
bool VolumesAlike(double vx, double vy) { return vx > 0.0 && std::abs((vx - vy) / vx) < 0.01; }

// Every component present in z has fractions less than 1e-4 apart in x and y.
bool FractionsAlike(const Composition& z, const Composition& x, const Composition& y) {
  for (int i = 0; i < ComponentCount; ++i)
    if (z[i] > 0.0 && !(std::abs(x[i] - y[i]) < 1e-4)) return false;
  return true;
}

// How far from the mixture's fractions two phases alike in volume may lie and
// still be taken for one phase closing in on it. A stop within it is called one
// phase without asking the fugacities. Most such stops are near-critical creep
// towards the mixture, but not all: a real split whose incipient phase lies
// this close to the mixture (a bubble point near a critical one) is called one
// phase too, and that split is lost. Beyond it, equal fugacities are a split,
// however alike the volumes.
constexpr double kNearTheMixture = 0.01;

// Every component present in z has fractions within kNearTheMixture of z_i in
// both phases.
bool NearTheMixture(const Composition& z, const Composition& x, const Composition& y) {
  for (int i = 0; i < ComponentCount; ++i) {
    if (!(z[i] > 0.0)) continue;
    if (!(std::abs(x[i] - z[i]) <= kNearTheMixture && std::abs(y[i] - z[i]) <= kNearTheMixture))
      return false;
  }
  return true;
}

}  // namespace

SecantRun PhaseSplitSecant(double lower, double upper, double f0,
                           const std::function<double(double u)>& residual,
                           const std::function<PassCheck()>& check, const Yield& yield) {
  double previous = lower;
  double u = upper;
  double step = (upper - lower) / 2.0;
  double fPrevious = -0.01;
  double f = f0;
  for (int pass = 0; pass <= kLastPass; ++pass) {
    if (f != 0.0) {
      if (f == fPrevious)
        step = (previous == u) ? 2.0 * step : (u - previous) / 2.0;
      else
        step = 0.5 * (previous - u) * f / (f - fPrevious);
      previous = u;
      fPrevious = f;
    } else {
      // A root of the residual whose compositions still move: stay while they
      // settle, and keep the point before for the secant's next step.
      step = 0.0;
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
    const PassCheck found = stops ? check() : PassCheck::Moving;
    if (found == PassCheck::Solution) return {u, pass, SearchOutcome::Converged};
    if (found == PassCheck::OnePhase) return {u, pass, SearchOutcome::OnePhase};
    // Once the secant's two points are one, every later step is 0: it waits
    // there while the compositions settle, if the point is a root at all.
    const bool collapsed = previous == u;
    const bool waiting = collapsed || f == 0.0;
    if ((collapsed && !stops) || (waiting && found == PassCheck::Settled))
      return {u, pass, SearchOutcome::Stalled};
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
                     const PhasePair& phases, double grid) {
  if (!(phases.volumeX > 0.0) || !(phases.volumeY > 0.0)) return false;
  double total = 0.0;
  for (int i = 0; i < ComponentCount; ++i)
    if (z[i] > 0.0) total += x[i] * phases.phiX[i];
  if (!std::isfinite(total)) return false;
  for (int i = 0; i < ComponentCount; ++i) {
    if (!(z[i] > 0.0)) continue;
    const double gap = std::abs(x[i] * phases.phiX[i] - y[i] * phases.phiY[i]);
    const double allowed = kFugacityTolerance * total + grid * (phases.phiX[i] + phases.phiY[i]);
    if (!(gap <= allowed)) return false;
  }
  return true;
}

bool TrivialSolutionTest(const Composition& z, const Composition& x, const Composition& y,
                         double volumeX, double volumeY) {
  return AnyComponentPresent(z) && VolumesAlike(volumeX, volumeY) && NearTheMixture(z, x, y);
}

PhaseSplit PhaseSplitSearch(Engine& engine, const PhaseSplitStart& start, const PassWork& work,
                            const Yield& yield) {
  PhaseSplit split;
  Composition nextX = start.x, nextY = start.y;  // what the next pass evaluates
  const bool pressureSought = start.sought == SoughtVariable::Pressure;
  double& variable = pressureSought ? split.P : split.T;
  (pressureSought ? split.T : split.P) = start.fixed;
  variable = start.upper;
  split.x = start.x;
  split.y = start.y;
  const auto residual = [&](double u) {
    variable = u;
    split.x = nextX;
    split.y = nextY;
    split.phases = EvaluatePhases(engine, split.x, split.y, split.T, split.P);
    return work(split.phases, nextX, nextY);
  };
  // One phase taken twice, not the mixture, agrees with itself: no split, and
  // the passes go on from it.
  const auto check = [&] {
    const PhasePair& phases = split.phases;
    if (TrivialSolutionTest(start.z, split.x, split.y, phases.volumeX, phases.volumeY))
      return PassCheck::OnePhase;
    const bool onePhaseTwice = VolumesAlike(phases.volumeX, phases.volumeY) &&
                               FractionsAlike(start.z, split.x, split.y);
    if (!onePhaseTwice && FugacitiesAgree(start.z, split.x, split.y, phases, start.grid))
      return PassCheck::Solution;
    const bool settled = nextX == split.x && nextY == split.y;
    return settled ? PassCheck::Settled : PassCheck::Moving;
  };
  split.run = PhaseSplitSecant(start.lower, start.upper, start.f0, residual, check, yield);
  return split;
}
