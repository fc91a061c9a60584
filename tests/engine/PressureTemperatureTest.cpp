#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

namespace {

using engine_test::Binary;
using engine_test::Near;
using engine_test::Pure;

TEST(Pressure, IsZeroWithoutAPhysicalState) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double b = engine.CoVolume(x);
  EXPECT_EQ(engine.Pressure(x, 300.0, b), 0.0);
  EXPECT_EQ(engine.Pressure(x, 300.0, b / 2.0), 0.0);
  EXPECT_EQ(engine.Pressure(x, 0.0, 100.0), 0.0);
  EXPECT_EQ(engine.Pressure(x, -50.0, 100.0), 0.0);
  EXPECT_EQ(engine.Pressure(x, std::nan(""), 100.0), 0.0);
  EXPECT_EQ(engine.Pressure(x, 300.0, std::nan("")), 0.0);
}

TEST(Pressure, FollowsRedlichKwong) {
  Engine engine;
  const Composition he = Pure(He);
  EXPECT_NEAR(engine.Pressure(he, 300.0, 1000.0), 2.53562, 1e-5);
}

TEST(Temperature, FailsWithoutAPhysicalState) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double b = engine.CoVolume(x);
  EXPECT_FALSE(engine.Temperature(x, 5.0, b).has_value());
  EXPECT_FALSE(engine.Temperature(x, 5.0, b / 2.0).has_value());
  EXPECT_FALSE(engine.Temperature(x, 0.0, b).has_value());
  EXPECT_FALSE(engine.Temperature(x, std::nan(""), 100.0).has_value());
  EXPECT_FALSE(engine.Temperature(x, 5.0, std::numeric_limits<double>::infinity()).has_value());
  // An empty mixture is an ideal gas: no temperature gives it P <= 0.
  EXPECT_FALSE(engine.Temperature(Composition{}, 0.0, 100.0).has_value());
  EXPECT_FALSE(engine.Temperature(Composition{}, -1.0, 100.0).has_value());
  EXPECT_NEAR(*engine.Temperature(Composition{}, 1.0, 100.0), 100.0 / R, 1e-9);
}

// The pressure rises strictly with T above the co-volume, so a root exists for
// every pressure, zero and negative included.
TEST(Temperature, FindsTheRootAtZeroAndNegativePressure) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double b = engine.CoVolume(x);
  for (double V : {35.0, 60.0, 300.0}) {
    for (double P : {0.0, -1.0, -50.0}) {
      const auto T = engine.Temperature(x, P, V);
      ASSERT_TRUE(T.has_value()) << "V " << V << " P " << P;
      EXPECT_GT(*T, 0.0);
      // Within a part in 1e9 of the repulsion term, which the attraction cancels.
      EXPECT_NEAR(engine.Pressure(x, *T, V), P, 1e-9 * R * *T / (V - b));
    }
  }
}

// At a vanishing positive pressure the attraction balances the repulsion:
// R·T/(V - b) = a/(√T·V·(V + b)), so T = (a·(V - b)/(R·V·(V + b)))^(2/3) to
// within a relative P·(V - b)/(R·T).
TEST(Temperature, FindsTheRootAtAVanishingPositivePressure) {
  Engine engine;
  for (const Composition& x : {Binary(CO2, 0.5, CH4), Pure(H2O), engine_test::EqualParts()}) {
    const double a = engine.aMixture(x), b = engine.bMixture(x);
    for (double V : {1.2 * b, 60.0, 300.0, 1e5}) {
      const double zeroPressure = std::cbrt(std::pow(a * (V - b) / (R * V * (V + b)), 2.0));
      for (double P : {1e-30, 1e-300, 4.9e-324}) {
        const auto T = engine.Temperature(x, P, V);
        ASSERT_TRUE(T.has_value()) << "V " << V << " P " << P;
        EXPECT_NEAR(*T, zeroPressure, 1e-11 * zeroPressure) << "V " << V << " P " << P;
      }
    }
  }
}

TEST(Temperature, RoundTripsWithPressureOverManyMixturesAndStates) {
  Engine engine;
  for (const Composition& x : engine_test::RandomMixtures(40)) {
    const double b = engine.CoVolume(x);
    for (const auto& state : engine_test::StatesFor(b)) {
      const double P = engine.Pressure(x, state.T, state.V);
      const auto T = engine.Temperature(x, P, state.V);
      ASSERT_TRUE(T.has_value()) << "T " << state.T << " V " << state.V << " P " << P;
      EXPECT_TRUE(Near(*T, state.T, 1e-9)) << *T << " vs " << state.T << " at V " << state.V;
    }
  }
}

}  // namespace
