// Every engine function answers for any input, extreme and non-finite values
// included, without undefined behaviour (the sanitizer build checks this).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "EngineTestSupport.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const double nan = std::nan("");

std::vector<Composition> ExtremeCompositions() {
  Composition huge{}, negative{}, withNan{}, withInf{}, denormal{};
  huge[CO2] = 1e300;
  huge[CH4] = 1e300;
  negative[H2O] = -0.5;
  negative[CO2] = 1.5;
  withNan[N2] = nan;
  withNan[CH4] = 0.5;
  withInf[He] = inf;
  denormal[Ar] = 4.9e-324;
  return {Composition{}, engine_test::EqualParts(), huge, negative, withNan, withInf, denormal};
}

TEST(Robustness, EveryFunctionAnswersForAnyInput) {
  Engine engine;
  const std::vector<double> values = {0.0, -0.0, 1e-300, 1.0, 350.0, 1e300, -5.0, inf, -inf, nan};
  for (Composition x : ExtremeCompositions()) {
    for (double u : values) {
      for (double v : values) {
        engine.Pressure(x, u, v);
        engine.Temperature(x, u, v);
        CubicRoots roots = engine.Volume(x, u, v);
        for (int rank = 0; rank < 3; ++rank) {
          CubicRoots copy = roots;
          engine.VolumeChoice(copy, rank);
        }
        Engine::CubicEquation(u, v, u);
        engine.Density(x, v);
        engine.Fugacities(x, u, v, 100.0);
        engine.Fugacities(x, 300.0, u, v);
        engine.RaoultPressure(x, u, 1);
        engine.WilsonDistribution(u, v);
        engine.Energy(x, u, v);
        engine.Gibbs(x, u, v);
        engine.Entropy(x, u, v);
        engine.ChemicalPotential(CO2, x, u, v);
        engine.Excess(5, x, u, v, 1.0);
        engine.Excess(0, x, u, v, 1.0);
      }
      engine.SaturationPressure(H2, u);
      engine.IdealGas(2, x, u);
    }
    Composition copy = x;
    engine.Normaliser(copy);
  }
  SUCCEED();
}

}  // namespace
