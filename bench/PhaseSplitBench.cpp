// Timings of the phase-equilibrium searches: converged runs for a binary and
// for all 21 components, and a run of all 10 001 passes for 21 components.
#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/PhaseEquilibria.h"

namespace {

void NoYield() {}

Composition Mixture(const benchmark::State& state) {
  Composition z{};
  if (state.range(0) == 2) {
    z[CO2] = 0.8;
    z[CH4] = 0.2;
  } else {
    z.fill(1.0 / 21.0);
  }
  return z;
}

void BM_HomogenizationConverged(benchmark::State& state) {
  Engine engine;
  const Composition z = Mixture(state);
  // Bubble points that the search finds: CO2-CH4 at 250 K, 21 parts at 300 K.
  const double T = state.range(0) == 2 ? 250.0 : 300.0;
  const HomogenizationSetup setup = PressureSearchFromRaoult(engine, z, T, 0.0);
  for (auto _ : state) {
    const PhaseSplit found = HomogenizationSearch(engine, setup, NoYield);
    if (found.run.Failed()) state.SkipWithError("the search did not converge");
    benchmark::DoNotOptimize(found);
  }
}

// At 250 K: CO2-CH4 held at 100 cm3/mol, 21 parts at 200 cm3/mol.
void BM_LiquidVapourConverged(benchmark::State& state) {
  Engine engine;
  const Composition z = Mixture(state);
  const double T = 250.0;
  const double P0 = MeanRaoultPressure(engine, z, T);
  const FirstApproach first = LiquidVapourFirstApproach(engine, z, T, P0);
  const double V = state.range(0) == 2 ? 100.0 : 200.0;
  for (auto _ : state) {
    const LiquidVapourSplit found = LiquidVapourSearch(engine, {z, first.K, V, T, P0, 0.5}, NoYield);
    if (found.split.run.Failed()) state.SkipWithError("the search did not converge");
    benchmark::DoNotOptimize(found);
  }
}

// Every pass does the work of a homogenization pass, but the residual runs
// through 1, 2, r (4r^2 - 13r + 8 = 0), on which the secant neither
// converges nor diverges: all 10 001 passes are made.
void BM_HomogenizationExhausted(benchmark::State& state) {
  Engine engine;
  const Composition z = Mixture(state);
  const HomogenizationSetup setup = PressureSearchFromRaoult(engine, z, 300.0, 0.0);
  const double cycle[3] = {1.0, 2.0, (13.0 - std::sqrt(41.0)) / 8.0};
  for (auto _ : state) {
    int pass = 0;
    const auto work = [&](const PhasePair& phases, Composition& x, Composition& y) {
      CompositionStep(z, phases.K, 0.0, x, y);
      benchmark::DoNotOptimize(engine.Normaliser(x) - engine.Normaliser(y));
      return cycle[++pass % 3];
    };
    const PhaseSplitStart start{z, SoughtVariable::Pressure, 300.0, 0.9 * setup.start, setup.start,
                                cycle[0], setup.x, setup.y};
    const PhaseSplit run = PhaseSplitSearch(engine, start, work, NoYield);
    if (run.run.outcome != SearchOutcome::Exhausted) state.SkipWithError("the run stopped early");
    benchmark::DoNotOptimize(run);
  }
}

}  // namespace

BENCHMARK(BM_HomogenizationConverged)->Arg(2)->Arg(21)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiquidVapourConverged)->Arg(2)->Arg(21)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HomogenizationExhausted)->Arg(21)->Unit(benchmark::kMillisecond);
