// Timings of the engine's hot calls for a binary and for all 21 components.
#include <benchmark/benchmark.h>

#include <chrono>

#include "bench/LeanEquationOfState.h"
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

// A vapour-like state of the mixture, as a window would pass it: one real root.
constexpr double T = 350.0;
constexpr double P = 5.0;

// A colder state at lower pressure, where both mixtures' cubics have three
// real roots above the co-volume.
constexpr double threeRootsT = 200.0;
constexpr double threeRootsP = 0.5;

double VapourVolume(Engine& engine, const Composition& x) {
  CubicRoots roots = engine.Volume(x, T, P);
  return engine.VolumeChoice(roots, 0);
}

void BM_Volume(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Volume(x, T, P));
}

void BM_VolumeThreeRoots(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Volume(x, threeRootsT, threeRootsP));
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

// The excess molar volume, which solves the cubic once for each pure component.
void BM_ExcessVolume(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  const double V = VapourVolume(engine, x);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Excess(0, x, T, P, V));
}

// The engine against the lean version of the same formulas, call for call in
// the same loop so that both see the same machine: counters "engine" and "lean"
// in ns per call, and their ratio.
template <class EngineCall, class LeanCall>
void CompareWithLean(benchmark::State& state, EngineCall&& engineCall, LeanCall&& leanCall) {
  using Clock = std::chrono::steady_clock;
  constexpr int batch = 256;
  Clock::duration engineTime{}, leanTime{};
  for (auto _ : state) {
    const auto start = Clock::now();
    for (int n = 0; n < batch; ++n) engineCall();
    const auto middle = Clock::now();
    for (int n = 0; n < batch; ++n) leanCall();
    const auto end = Clock::now();
    engineTime += middle - start;
    leanTime += end - middle;
  }
  const double calls = static_cast<double>(state.iterations()) * batch;
  const double engineNs = std::chrono::duration<double, std::nano>(engineTime).count() / calls;
  const double leanNs = std::chrono::duration<double, std::nano>(leanTime).count() / calls;
  state.counters["engine_ns"] = engineNs;
  state.counters["lean_ns"] = leanNs;
  state.counters["ratio"] = engineNs / leanNs;
}

void BM_VolumeAgainstLean(benchmark::State& state) {
  Engine engine;
  const lean::Parameters parameters = lean::TakeParameters();
  const Composition x = Mixture(state);
  CompareWithLean(
      state, [&] { benchmark::DoNotOptimize(engine.Volume(x, T, P)); },
      [&] { benchmark::DoNotOptimize(lean::Volume(parameters, x, T, P)); });
}

void BM_FugacitiesAgainstLean(benchmark::State& state) {
  Engine engine;
  const lean::Parameters parameters = lean::TakeParameters();
  const Composition x = Mixture(state);
  const double V = VapourVolume(engine, x);
  CompareWithLean(
      state,
      [&] {
        engine.Fugacities(x, T, P, V);
        benchmark::DoNotOptimize(engine.Coefficient);
      },
      [&] { benchmark::DoNotOptimize(lean::Coefficients(parameters, x, T, P, V)); });
}

// Argument: the number of components (2: CO2-CH4 50/50, 21: equal parts).
BENCHMARK(BM_Volume)->Arg(2)->Arg(21);
BENCHMARK(BM_VolumeThreeRoots)->Arg(2)->Arg(21);
BENCHMARK(BM_VolumeVeryLowPressure)->Arg(2)->Arg(21);
BENCHMARK(BM_Fugacities)->Arg(2)->Arg(21);
BENCHMARK(BM_Gibbs)->Arg(2)->Arg(21);
BENCHMARK(BM_ChemicalPotential)->Arg(2)->Arg(21);
BENCHMARK(BM_Excess)->Arg(2)->Arg(21);
BENCHMARK(BM_ExcessVolume)->Arg(2)->Arg(21);
BENCHMARK(BM_VolumeAgainstLean)->Arg(2)->Arg(21);
BENCHMARK(BM_FugacitiesAgainstLean)->Arg(2)->Arg(21);

}  // namespace
