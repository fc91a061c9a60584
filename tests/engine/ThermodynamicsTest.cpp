#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

namespace {

using engine_test::Binary;
using engine_test::Pure;

TEST(IdealGas, QuotedValues) {
  Engine engine;
  EXPECT_NEAR(engine.IdealGas(0, Pure(H2O), 298.15), 33.57, 5e-3);
  EXPECT_NEAR(engine.IdealGas(0, Pure(CO2), 298.15), 37.13, 5e-3);
  EXPECT_NEAR(engine.IdealGas(0, Pure(CH4), 298.15), 35.64, 5e-3);
  EXPECT_NEAR(engine.IdealGas(1, Pure(H2O), 500.0), 206.42, 5e-3);
  EXPECT_NEAR(engine.IdealGas(2, Pure(H2O), 500.0), -234889.1, 0.05);
  for (int noble : {He, Ne, Ar}) {
    EXPECT_EQ(engine.IdealGas(0, Pure(noble), 700.0), 20.79);
    EXPECT_DOUBLE_EQ(engine.IdealGas(2, Pure(noble), 700.0), 20.79 * (700.0 - 298.15));
  }
  EXPECT_DOUBLE_EQ(engine.IdealGas(1, Pure(He), 700.0), 126.15 + 20.79 * (std::log(700.0) - std::log(298.15)));
}

TEST(IdealGas, StandardStateValues) {
  Engine engine;
  // At 298.15 K every integral vanishes. The standard entropies of iC4H10 and
  // nC6H14 are 294.7 and 388.82 J/(mol K).
  EXPECT_EQ(engine.IdealGas(1, Pure(iC4H10), 298.15), 294.7);
  EXPECT_EQ(engine.IdealGas(1, Pure(nC6H14), 298.15), 388.82);
  EXPECT_EQ(engine.IdealGas(2, Pure(CO2), 298.15), -393510.0);
  EXPECT_EQ(engine.IdealGas(2, Pure(N2), 298.15), 0.0);
  Composition tiny{};
  tiny.fill(1e-13);  // below the fixed-point resolution: absent
  EXPECT_EQ(engine.IdealGas(1, tiny, 400.0), 0.0);
  EXPECT_EQ(engine.IdealGas(3, Pure(H2O), 400.0), 0.0);
}

// dH/dT = Cp and dS/dT = Cp/T for every component from 150 K to 1500 K.
TEST(IdealGas, EnthalpyAndEntropyIntegrateTheHeatCapacity) {
  Engine engine;
  for (int i = 0; i < ComponentCount; ++i) {
    const Composition x = Pure(i);
    for (double T : {150.0, 298.15, 600.0, 1500.0}) {
      const double h = 1e-3 * T;
      const double cp = engine.IdealGas(0, x, T);
      const double dH = (engine.IdealGas(2, x, T + h) - engine.IdealGas(2, x, T - h)) / (2.0 * h);
      const double dS = (engine.IdealGas(1, x, T + h) - engine.IdealGas(1, x, T - h)) / (2.0 * h);
      EXPECT_NEAR(dH, cp, 1e-5 * std::abs(cp) + 1e-4) << ComponentName[i] << " T " << T;
      EXPECT_NEAR(dS * T, cp, 1e-5 * std::abs(cp) + 1e-4) << ComponentName[i] << " T " << T;
    }
  }
}

TEST(ThermodynamicFunctions, PureHeliumQuotedValues) {
  Engine engine;
  const Composition x = Pure(He);
  EXPECT_NEAR(engine.Energy(x, 300.0, 1000.0), -2456.57, 5e-3);
  EXPECT_NEAR(engine.Enthalpy(x, 300.0, 1000.0), 79.048, 5e-4);
  EXPECT_NEAR(engine.Entropy(x, 300.0, 1000.0), 99.3955, 5e-5);
  EXPECT_NEAR(engine.Helmholtz(x, 300.0, 1000.0), -32275.2, 0.05);
  EXPECT_NEAR(engine.Gibbs(x, 300.0, 1000.0), -29739.6, 0.05);
  EXPECT_NEAR(engine.ChemicalPotential(He, x, 300.0, 1000.0), -29739.6, 0.05);
}

TEST(ThermodynamicFunctions, GuardsAndEmptyComposition) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double b = engine.CoVolume(x);
  for (double T : {0.0, -10.0, std::nan("")}) {
    EXPECT_EQ(engine.Energy(x, T, 100.0), 0.0);
    EXPECT_EQ(engine.Gibbs(x, T, 100.0), 0.0);
    EXPECT_EQ(engine.ChemicalPotential(CO2, x, T, 100.0), 0.0);
  }
  EXPECT_EQ(engine.Enthalpy(x, 300.0, b), 0.0);
  EXPECT_EQ(engine.Entropy(x, 300.0, b), 0.0);
  EXPECT_EQ(engine.Helmholtz(x, 300.0, b), 0.0);
  EXPECT_EQ(engine.Gibbs(x, 300.0, b), 0.0);
  EXPECT_EQ(engine.ChemicalPotential(CO2, x, 300.0, b), 0.0);
  EXPECT_EQ(engine.Energy(x, 300.0, 0.0), 0.0);
  EXPECT_NE(engine.Energy(x, 300.0, b / 2.0), 0.0);  // U needs only V > 0

  EXPECT_TRUE(std::isnan(engine.Gibbs(Composition{}, 300.0, 100.0)));
  EXPECT_TRUE(std::isnan(engine.Energy(Composition{}, 300.0, 100.0)));
  EXPECT_TRUE(std::isnan(engine.ChemicalPotential(H2O, x, 300.0, 100.0)));  // absent component
  EXPECT_TRUE(std::isnan(engine.ChemicalPotential(21, x, 300.0, 100.0)));
}

// H = U + PV, A = U - TS, G = H - TS, Σ x_i μ_i = G, P = -∂A/∂V, and
// μ_i = G_i° + RT ln(f_i/0.1), over many mixtures and states.
TEST(ThermodynamicFunctions, AgreeWithEachOtherOverManyMixtures) {
  Engine engine;
  for (const Composition& x : engine_test::RandomMixtures(30, 2024)) {
    const double b = engine.CoVolume(x);
    for (const auto& [T, V] : engine_test::StatesFor(b)) {
      const double P = engine.Pressure(x, T, V);
      const double U = engine.Energy(x, T, V), H = engine.Enthalpy(x, T, V), S = engine.Entropy(x, T, V);
      const double A = engine.Helmholtz(x, T, V), G = engine.Gibbs(x, T, V);
      const double scale = 1e-9 * (std::abs(H) + std::abs(T * S) + std::abs(P * V) + 1.0);
      EXPECT_NEAR(H, U + P * V, scale) << "T " << T << " V " << V;
      EXPECT_NEAR(A, U - T * S, scale);
      EXPECT_NEAR(G, H - T * S, scale);

      double sum = 0.0;
      for (int i = 0; i < ComponentCount; ++i)
        if (x[i] > 0.0) sum += x[i] * engine.ChemicalPotential(i, x, T, V);
      EXPECT_NEAR(sum, G, scale);

      const double dV = 1e-5 * (V - b);
      const double dAdV = (engine.Helmholtz(x, T, V + dV) - engine.Helmholtz(x, T, V - dV)) / (2.0 * dV);
      EXPECT_NEAR(-dAdV, P, 1e-5 * std::abs(P) + 1e-6 * R * T / (V - b));

      if (!(P > 0.0)) continue;
      engine.Fugacities(x, T, P, V);
      const auto fugacity = engine.Fugacity;
      for (int i = 0; i < ComponentCount; ++i) {
        if (!(x[i] > 0.0) || !std::isfinite(fugacity[i])) continue;
        const Composition e = Pure(i);
        const double ideal = engine.IdealGas(2, e, T) - T * engine.IdealGas(1, e, T);
        EXPECT_NEAR(engine.ChemicalPotential(i, x, T, V), ideal + R * T * std::log(fugacity[i] / 0.1), scale);
      }
    }
  }
}

}  // namespace
