#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

namespace {

using engine_test::Binary;
using engine_test::Pure;

// n·A_res/(R·T) of n moles (entries of n need not sum to one) in the total
// volume Vt: the mixing rules are homogeneous in n (a of degree 2, b of 1).
double ResidualHelmholtzOverRT(Engine& engine, const Composition& n, double T, double Vt) {
  const double a = engine.aMixture(n), b = engine.bMixture(n);
  double total = 0.0;
  for (double ni : n) total += ni;
  return -total * std::log((Vt - b) / Vt) - a / (b * R * T * std::sqrt(T)) * std::log((Vt + b) / Vt);
}

// ln φ_i = ∂(n A_res/RT)/∂n_i at constant T and total volume, minus ln z;
// one-sided second-order differences so that absent components work too.
double LnPhiFromHelmholtz(Engine& engine, const Composition& x, int i, double T, double V) {
  const double h = 1e-5 * (V - engine.CoVolume(x)) / V;  // small against the free volume
  Composition n1 = x, n2 = x;
  n1[i] += h;
  n2[i] += 2.0 * h;
  const double f0 = ResidualHelmholtzOverRT(engine, x, T, V);
  const double f1 = ResidualHelmholtzOverRT(engine, n1, T, V);
  const double f2 = ResidualHelmholtzOverRT(engine, n2, T, V);
  const double derivative = (-3.0 * f0 + 4.0 * f1 - f2) / (2.0 * h);
  const double z = engine.Pressure(x, T, V) * V / (R * T);
  return derivative - std::log(z);
}

TEST(Fugacities, AgreeWithTheResidualHelmholtzEnergyOverManyMixtures) {
  Engine engine;
  for (const Composition& x : engine_test::RandomMixtures(25, 99)) {
    const double b = engine.CoVolume(x);
    for (const auto& state : engine_test::StatesFor(b)) {
      const double P = engine.Pressure(x, state.T, state.V);
      if (!(P > 0.0)) continue;
      engine.Fugacities(x, state.T, P, state.V);
      const auto phi = engine.Coefficient;
      const auto f = engine.Fugacity;
      for (int i = 0; i < ComponentCount; ++i) {
        const double expected = LnPhiFromHelmholtz(engine, x, i, state.T, state.V);
        EXPECT_NEAR(std::log(phi[i]), expected, 1e-6 * (1.0 + std::abs(expected)))
            << ComponentName[i] << " T " << state.T << " V " << state.V;
        EXPECT_DOUBLE_EQ(f[i], x[i] * phi[i] * P);
      }
    }
  }
}

TEST(Fugacities, NeutralValuesWithoutAPhysicalState) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double b = engine.CoVolume(x);
  for (auto [T, P, V] : {std::tuple{300.0, 5.0, b}, {300.0, 0.0, 100.0}, {300.0, -2.0, 100.0},
                         {0.0, 5.0, 100.0}, {-1.0, 5.0, 100.0}}) {
    engine.Coefficient.fill(7.0);
    engine.Fugacity.fill(7.0);
    engine.Fugacities(x, T, P, V);
    for (int i = 0; i < ComponentCount; ++i) {
      EXPECT_EQ(engine.Coefficient[i], 1.0);
      EXPECT_EQ(engine.Fugacity[i], 0.0);
    }
  }
}

// Strongly compressed states: φ is reported as it is while the double holds it.
TEST(Fugacities, ReportLargeCoefficientsAndFlagUnrepresentableOnes) {
  Engine engine;
  const Composition x = Pure(H2);
  const double T = 1000.0, b = engine.CoVolume(x);
  const double V = b * (1.0 + 1.0 / 300.0);
  const double P = engine.Pressure(x, T, V);
  engine.Fugacities(x, T, P, V);
  const double lnPhi = LnPhiFromHelmholtz(engine, x, H2, T, V);
  ASSERT_GT(lnPhi, 227.0);
  EXPECT_NEAR(std::log(engine.Coefficient[H2]), lnPhi, 1e-6 * lnPhi);
  EXPECT_GT(engine.Fugacity[H2], 1e90);

  const double denser = b * (1.0 + 1.0 / 2000.0);
  engine.Fugacities(x, T, engine.Pressure(x, T, denser), denser);
  EXPECT_TRUE(std::isnan(engine.Coefficient[H2]));  // e^2000 has no double
  EXPECT_TRUE(std::isnan(engine.Fugacity[H2]));
}

TEST(Fugacities, DoNotDependOnEarlierCalls) {
  Engine fresh, used;
  const Composition x = Binary(CO2, 0.5, CH4);
  used.Fugacities(engine_test::EqualParts(), 400.0, 10.0, 300.0);
  used.Fugacities(Pure(H2O), 600.0, 1.0, 4000.0);
  fresh.Fugacities(x, 300.0, 5.0, 400.0);
  used.Fugacities(x, 300.0, 5.0, 400.0);
  EXPECT_EQ(fresh.Coefficient, used.Coefficient);
  EXPECT_EQ(fresh.Fugacity, used.Fugacity);
}

}  // namespace
