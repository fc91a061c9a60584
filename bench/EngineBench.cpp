// Timings of the engine's hot calls for a binary and for all 21 components.
#include <benchmark/benchmark.h>

#include "engine/Globals.h"

namespace {

Composition CarbonDioxideMethane() {
  Composition x{};
  x[CO2] = 0.5;
  x[CH4] = 0.5;
  return x;
}

Composition EqualParts() {
  Composition x;
  x.fill(1.0 / 21.0);
  return x;
}

Composition Mixture(const benchmark::State& state) {
  return state.range(0) == 2 ? CarbonDioxideMethane() : EqualParts();
}

// A vapour-like state of the mixture, as a window would pass it.
constexpr double T = 350.0;
constexpr double P = 5.0;

double VapourVolume(Engine& engine, const Composition& x) {
  CubicRoots roots = engine.Volume(x, T, P);
  return engine.VolumeChoice(roots, 0);
}

void BM_Volume(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Volume(x, T, P));
}

// Far below ordinary pressures, where the two smaller roots are rebuilt from
// the largest one.
void BM_VolumeVeryLowPressure(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Volume(x, T, 1e-10));
}

void BM_Fugacities(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  const double V = VapourVolume(engine, x);
  for (auto _ : state) {
    engine.Fugacities(x, T, P, V);
    benchmark::DoNotOptimize(engine.Coefficient);
  }
}

void BM_Gibbs(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  const double V = VapourVolume(engine, x);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Gibbs(x, T, V));
}

void BM_ChemicalPotential(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  const double V = VapourVolume(engine, x);
  for (auto _ : state) benchmark::DoNotOptimize(engine.ChemicalPotential(CH4, x, T, V));
}

void BM_Excess(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  const double V = VapourVolume(engine, x);
  const double G = engine.Gibbs(x, T, V);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Excess(5, x, T, P, G));
}

// Argument: the number of components (2: CO2-CH4 50/50, 21: equal parts).
BENCHMARK(BM_Volume)->Arg(2)->Arg(21);
BENCHMARK(BM_VolumeVeryLowPressure)->Arg(2)->Arg(21);
BENCHMARK(BM_Fugacities)->Arg(2)->Arg(21);
BENCHMARK(BM_Gibbs)->Arg(2)->Arg(21);
BENCHMARK(BM_ChemicalPotential)->Arg(2)->Arg(21);
BENCHMARK(BM_Excess)->Arg(2)->Arg(21);

}  // namespace
