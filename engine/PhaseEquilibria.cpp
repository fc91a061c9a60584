#include "engine/PhaseEquilibria.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/RedlichKwong.h"

namespace {

struct PhaseSums {
  double x = 0.0;
  double y = 0.0;
  // Both sums can divide their phase: above 0 and finite.
  bool Usable() const { return x > 0.0 && y > 0.0 && std::isfinite(x) && std::isfinite(y); }
};

PhaseSums SumsOf(const Composition& x, const Composition& y) {
  PhaseSums sums;
  for (int i = 0; i < ComponentCount; ++i) {
    sums.x += x[i];
    sums.y += y[i];
  }
  return sums;
}

void DivideBy(Composition& x, double sum) {
  for (double& xi : x) xi /= sum;
}

// The share of the mixture's moles in Phase Y for the pass, from the share w
// of the volume that Phase Y takes when the two phases fill `volume`.
double SplitFromVolumeBalance(const PhasePair& phases, double volume, double& w) {
  const double vx = phases.volumeX;
  const double vy = phases.volumeY;
  double split = 0.5;
  if (volume > 0.0 && vx != vy) {
    w = vy * (volume - vx) / (volume * (vy - vx));
    split = w * vx / (vy + w * (vx - vy));
  }
  // A split far outside 0..1 would send the compositions astray.
  if (split > 2.0) return 0.5;
  if (split < -1.0) return 0.0;
  return split;
}

}  // namespace

double NormaliseWide(Engine& engine, Composition& x) {
  const double sum = engine.Normaliser(x);
  if (!std::isnan(sum)) return sum;
  double largest = 0.0;
  for (double xi : x) largest = std::max(largest, std::abs(xi));
  if (!std::isfinite(largest)) return sum;
  Composition scaled = x;
  DivideBy(scaled, largest);
  const double scaledSum = engine.Normaliser(scaled);
  if (!std::isnan(scaledSum)) x = scaled;
  return scaledSum * largest;
}

FirstApproach HomogenizationFirstApproach(Engine& engine, const Composition& z, double T, double P,
                                          double split) {
  FirstApproach first;
  first.K = engine.WilsonDistribution(T, P);
  CompositionStep(z, first.K, split, first.x, first.y);
  NormaliseWide(engine, first.x);
  NormaliseWide(engine, first.y);
  return first;
}

HomogenizationSetup PressureSearchFromRaoult(Engine& engine, const Composition& z, double T,
                                             double split) {
  HomogenizationSetup setup;
  setup.z = z;
  setup.givenT = T;
  setup.split = split;
  setup.start = engine.RaoultPressure(z, T, split == 1.0 ? 1 : 0);
  const FirstApproach first = HomogenizationFirstApproach(engine, z, T, setup.start, split);
  setup.x = first.x;
  setup.y = first.y;
  return setup;
}

PhaseSplit HomogenizationSearch(Engine& engine, const HomogenizationSetup& setup,
                                const Yield& yield) {
  PhaseSplitStart start;
  start.z = setup.z;
  start.x = setup.x;
  start.y = setup.y;
  NormaliseWide(engine, start.x);
  NormaliseWide(engine, start.y);
  if (setup.pressureSought) {
    start.sought = SoughtVariable::Pressure;
    start.fixed = setup.givenT;
    start.lower = 0.9 * setup.start;
  } else {
    start.sought = SoughtVariable::Temperature;
    start.fixed = setup.givenP;
    start.lower = setup.start - 10.0;
  }
  start.upper = setup.start;
  start.f0 = 0.01;
  start.grid = 1.0 / static_cast<double>(engine.PrecisionFactor);
  // The sums are fixed-point totals, so the residual can become exactly 0. A
  // pass whose phases cannot be rescaled keeps the compositions before it.
  const auto work = [&](const PhasePair& phases, Composition& x, Composition& y) {
    Composition nextX{}, nextY{};
    CompositionStep(setup.z, phases.K, setup.split, nextX, nextY);
    const double sumX = NormaliseWide(engine, nextX);
    const double sumY = NormaliseWide(engine, nextY);
    if (std::isnan(sumX) || std::isnan(sumY)) return std::numeric_limits<double>::quiet_NaN();
    x = nextX;
    y = nextY;
    return sumX - sumY;
  };
  return PhaseSplitSearch(engine, start, work, yield);
}

double MeanRaoultPressure(Engine& engine, const Composition& z, double T) {
  const double bubble = engine.RaoultPressure(z, T, 0);
  const double dew = engine.RaoultPressure(z, T, 1);
  return 0.5 * (bubble + dew);
}

FirstApproach LiquidVapourFirstApproach(Engine& engine, const Composition& z, double T, double P) {
  FirstApproach first;
  first.K = engine.WilsonDistribution(T, P);
  CompositionStep(z, first.K, 0.5, first.x, first.y);
  const PhaseSums sums = SumsOf(first.x, first.y);
  DivideBy(first.x, sums.x > 0.0 ? sums.x : 1.0);
  DivideBy(first.y, sums.y > 0.0 ? sums.y : 1.0);
  return first;
}

LiquidVapourSplit LiquidVapourSearch(Engine& engine, const LiquidVapourSetup& setup,
                                     const Yield& yield) {
  LiquidVapourSplit result;
  result.vapourFraction = setup.vapourFraction;
  PhaseSplitStart start;
  start.z = setup.z;
  CompositionStep(setup.z, setup.K, setup.vapourFraction, start.x, start.y);
  const PhaseSums first = SumsOf(start.x, start.y);
  if (!first.Usable()) return result;
  DivideBy(start.x, first.x);
  DivideBy(start.y, first.y);
  start.sought = SoughtVariable::Pressure;
  start.fixed = setup.T;
  start.lower = 0.9 * setup.startP;
  start.upper = setup.startP;
  start.f0 = first.x - first.y;

  const auto work = [&](const PhasePair& phases, Composition& x, Composition& y) {
    const double split = SplitFromVolumeBalance(phases, setup.volume, result.vapourFraction);
    Composition nextX{}, nextY{};
    CompositionStep(setup.z, phases.K, split, nextX, nextY);
    const PhaseSums sums = SumsOf(nextX, nextY);
    if (!sums.Usable()) return std::numeric_limits<double>::quiet_NaN();
    DivideBy(nextX, sums.x);
    DivideBy(nextY, sums.y);
    x = nextX;
    y = nextY;
    return sums.x - sums.y;
  };
  result.started = true;
  result.split = PhaseSplitSearch(engine, start, work, yield);
  return result;
}

std::optional<PhaseSplit> OnePhaseState(Engine& engine, const Composition& z, double volume,
                                        double T) {
  const double P = engine.Pressure(z, T, volume);
  if (!(P > 0.0) || !std::isfinite(P)) return std::nullopt;
  // ∂P/∂V < 0, times V - b: the pressure's repulsion term above its attraction
  // term times (2V + b)(V - b)/(V(V + b)) = (2 + r)(1 - r)/(1 + r), r = b/V.
  // Written in r, the factor (above 0, at most 2) is finite at every volume
  // above b; 2V + b itself overflows from V = 2^1023 on. For a dilute gas the
  // slope's two terms underflow, and from about 1e154 cm3/mol, where √T·V·(V + b)
  // overflows, the attraction term is 0 too: the test then rests on the
  // repulsion term, above 0 with P.
  const double a = engine.aMixture(z), b = engine.bMixture(z);
  const RedlichKwongTerms terms = RedlichKwongPressureTerms(a, b, T, std::sqrt(T), volume);
  const double r = b / volume;
  const double factor = (2.0 + r) / (1.0 + r) * (1.0 - r);
  if (!(terms.attraction * factor < terms.repulsion)) return std::nullopt;

  engine.Fugacities(z, T, P, volume);
  PhaseSplit state;
  state.run = {P, 0, SearchOutcome::OnePhase};
  state.T = T;
  state.P = P;
  state.x = z;
  state.y = z;
  state.phases.volumeX = volume;
  state.phases.volumeY = volume;
  state.phases.phiX = engine.Coefficient;
  state.phases.phiY = engine.Coefficient;
  state.phases.K.fill(1.0);
  return state;
}
