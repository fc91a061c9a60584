// Timings of the stability analysis as its windows run it, for a binary and for
// all 21 components in equal parts.
#include <benchmark/benchmark.h>

#include "engine/Globals.h"
#include "stability/AnalysisTable.h"
#include "stability/CriticalSearch.h"
#include "stability/SpinodalSearch.h"

namespace {

using namespace stability;

Composition Mixture(const benchmark::State& state) {
  Composition x{};
  if (state.range(0) == 2) {
    x[CO2] = 0.5;
    x[CH4] = 0.5;
  } else {
    x.fill(1.0 / 21.0);
  }
  return x;
}

const Yield kNoYield = [] {};

// The critical point window's "calculate": mix, then search from the proposed guesses.
void BM_CriticalPointSearch(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  for (auto _ : state) {
    const MixtureTerms m = *MixTerms(engine, x);
    const PseudoCriticalPoint pseudo = PseudoCritical(m.amix, m.bmix);
    const double midpoint = m.bmix + (pseudo.volume - m.bmix) / 2.0;
    benchmark::DoNotOptimize(CriticalPointSearch(m, pseudo.volume, midpoint, kNoYield));
  }
}

// The slowest search measured: 21 equal fractions from the guesses 454.97 and
// 227.49 cm3/mol, which ends with no solution.
void BM_FailingCriticalPointSearch(benchmark::State& state) {
  Engine engine;
  Composition x{};
  x.fill(1.0 / 21.0);
  for (auto _ : state) {
    const MixtureTerms m = *MixTerms(engine, x);
    benchmark::DoNotOptimize(CriticalPointSearch(m, 454.97, 227.49, kNoYield));
  }
}

// The spinodal window's "calculate" at twice the co-volume.
void BM_SpinodalWindow(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  const double V = 2.0 * engine.bMixture(x);
  for (auto _ : state) {
    const MixtureTerms m = *MixTerms(engine, x);
    const double T = SpinodalLadder(m, V, kSpinodalStarts, kNoYield);
    benchmark::DoNotOptimize(engine.Pressure(x, T, V));
  }
}

// The 250 rows of the analysis table.
void BM_AnalysisTable(benchmark::State& state) {
  Engine engine;
  const Composition x = Mixture(state);
  for (auto _ : state) {
    const MixtureTerms m = *MixTerms(engine, x);
    int volume = AnalysisStartVolume(m.bmix);
    for (int row = 0; row < kAnalysisRowCount; ++row) {
      volume += kAnalysisVolumeStep;
      benchmark::DoNotOptimize(AnalysisRowAt(engine, m, volume, kNoYield));
    }
  }
}

}  // namespace

BENCHMARK(BM_CriticalPointSearch)->Arg(2)->Arg(21)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FailingCriticalPointSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpinodalWindow)->Arg(2)->Arg(21)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnalysisTable)->Arg(2)->Arg(21)->Unit(benchmark::kMillisecond);
