// Timings of the isochore table through its window, with the application's
// cooperative yield installed: the rows computed and listed, as a user's
// "calculate" does.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "engine/Globals.h"
#include "framework/Application.h"
#include "windows/single_phase/Isochore.h"

namespace {

// Argument: the number of rows, from 0 °C in steps of 1 degree (the maximum
// half a step past the last row, which the summed steps may overshoot).
void BM_IsochoreTable(benchmark::State& state) {
  Composition x;
  x.fill(1.0 / 21.0);
  single_phase::RememberIsochoreVolume(single_phase::IsochoreVolume{x, 500.0});
  Isochore& window = fw::ShowWindow<Isochore>();
  QCoreApplication::processEvents();  // the window shown and activated before the timing
  window.Field("minimum").SetText(QStringLiteral("0"));
  window.Field("maximum").SetText(QString::number(state.range(0) - 0.5));
  window.Field("interval").SetText(QStringLiteral("1"));
  for (auto _ : state) {
    window.ButtonOf("calculate").Press();
    benchmark::DoNotOptimize(window.List("ListBox1").ListCount());
  }
  if (window.List("ListBox1").ListCount() != state.range(0)) state.SkipWithError(("wrong row count " + std::to_string(window.List("ListBox1").ListCount())).c_str());
}

BENCHMARK(BM_IsochoreTable)->Arg(10001)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  fw::InstallServices();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
