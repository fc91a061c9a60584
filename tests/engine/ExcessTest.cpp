#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

namespace {

using engine_test::Binary;
using engine_test::Pure;

enum { VolumeKind = 0, EnergyKind, EnthalpyKind, EntropyKind, HelmholtzKind, GibbsKind };

TEST(Excess, PureSubstanceAndUnknownKind) {
  Engine engine;
  for (int kind = -1; kind <= 6; ++kind) EXPECT_EQ(engine.Excess(kind, Pure(CH4), 300.0, 5.0, 123.0), 0.0);
  EXPECT_EQ(engine.Excess(7, Binary(CO2, 0.5, CH4), 300.0, 5.0, 123.0), 123.0);
}

// Each pure component takes a real root above its own co-volume: helium's
// cubic also has a negative root, which is no liquid.
TEST(Excess, HeliumMethaneVolume) {
  Engine engine;
  const Composition x = Binary(He, 0.5, CH4);
  CubicRoots roots = engine.Volume(x, 300.0, 20.0);
  const double V = engine.VolumeChoice(roots, 0);
  EXPECT_NEAR(engine.Excess(VolumeKind, x, 300.0, 20.0, V), 11.3, 0.05);
}

// Pure CO2 at 250 K has three real roots at 1 and at 3 MPa, about its
// saturation pressure of 1.786 MPa: below it the excess volume takes the
// vapour-like root, above it the liquid-like one. N2 has one root. The pure
// volumes come from a separate solution of the pure cubics: CO2 1891.23736 and
// 51.1055998, N2 2058.74147 and 674.676887 cm3/mol.
TEST(Excess, EachPureComponentTakesTheRootOfItsPhase) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, N2);
  const double M = 1000.0;
  EXPECT_NEAR(engine.Excess(VolumeKind, x, 250.0, 1.0, M), -974.989415457, 1e-6);
  EXPECT_NEAR(engine.Excess(VolumeKind, x, 250.0, 3.0, M), 637.108756455, 1e-6);
}

// The mixture's root choice keeps the mixture's co-volume (45.3 cm3/mol) after
// an excess property has solved each pure component, nC8H18's co-volume of
// 183.8 cm3/mol among them: the dense root of 61.03 cm3/mol stays a root.
TEST(Excess, LeavesTheRootChoiceOfTheMixtureAlone) {
  Engine engine;
  Composition x{};
  x[CH4] = 0.9;
  x[nC8H18] = 0.1;
  const CubicRoots roots = engine.Volume(x, 300.0, 100.0);
  engine.Excess(VolumeKind, x, 300.0, 100.0, 61.0);
  CubicRoots choice = roots;
  EXPECT_NEAR(engine.VolumeChoice(choice, 2), 61.0334120727, 1e-8);
}

TEST(Excess, NoValueWhenAComponentHasNoState) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  EXPECT_TRUE(std::isnan(engine.Excess(VolumeKind, x, 300.0, 0.0, 100.0)));
  EXPECT_TRUE(std::isnan(engine.Excess(GibbsKind, x, 0.0, 5.0, 100.0)));
}

TEST(Excess, TraceBelowFixedPointResolutionIsLeftOut) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  Composition withTrace = x;
  withTrace[H2O] = 1e-13;
  EXPECT_EQ(engine.Excess(VolumeKind, withTrace, 300.0, 5.0, 400.0), engine.Excess(VolumeKind, x, 300.0, 5.0, 400.0));
}

// G^E = H^E - T S^E and A^E = U^E - T S^E at one state of many mixtures.
TEST(Excess, KindsAgreeOverManyMixtures) {
  Engine engine;
  int checked = 0;
  for (const Composition& x : engine_test::RandomMixtures(30, 5)) {
    for (double T : {250.0, 400.0, 800.0})
      for (double P : {0.5, 10.0, 60.0}) {
        CubicRoots roots = engine.Volume(x, T, P);
        const double V = engine.VolumeChoice(roots, 0);
        if (V == 0.0) continue;
        const double eU = engine.Excess(EnergyKind, x, T, P, engine.Energy(x, T, V));
        const double eH = engine.Excess(EnthalpyKind, x, T, P, engine.Enthalpy(x, T, V));
        const double eS = engine.Excess(EntropyKind, x, T, P, engine.Entropy(x, T, V));
        const double eA = engine.Excess(HelmholtzKind, x, T, P, engine.Helmholtz(x, T, V));
        const double eG = engine.Excess(GibbsKind, x, T, P, engine.Gibbs(x, T, V));
        if (std::isnan(eG)) continue;  // a component without a state at T, P
        const double scale = 1e-8 * (std::abs(engine.Gibbs(x, T, V)) + T * std::abs(engine.Entropy(x, T, V)) + 1.0);
        EXPECT_NEAR(eG, eH - T * eS, scale) << "T " << T << " P " << P;
        EXPECT_NEAR(eA, eU - T * eS, scale) << "T " << T << " P " << P;
        ++checked;
      }
  }
  EXPECT_GT(checked, 100);
}

// Where the volumes are of the size of R·T/P (low pressure, high temperature)
// the excess volume tends to the difference of second virial coefficients,
// -(a - Σ x_i a_ii)/(R·T^1.5), 17.0671124217 at 300 K: the huge volumes
// cancel without a trace. At 10 MPa it is -43.0310292009 (the cubics solved to
// 50 digits).
TEST(Excess, VolumeKeepsItsDigitsWhereTheVolumesAreHuge) {
  Engine engine;
  const Composition x = engine_test::Mixture({{H2O, 0.2}, {CO2, 0.5}, {CH4, 0.3}});
  const auto excessAt = [&](double T, double P) {
    CubicRoots roots = engine.Volume(x, T, P);
    return engine.Excess(VolumeKind, x, T, P, engine.VolumeChoice(roots, 0));
  };
  const double aExcess = engine.aMixture(x) - (0.2 * engine.a[H2O][H2O] + 0.5 * engine.a[CO2][CO2] +
                                               0.3 * engine.a[CH4][CH4]);
  for (auto [T, P] : {std::pair{300.0, 1e-12}, {300.0, 1e-20}, {300.0, 1e-200}, {1e15, 10.0}}) {
    const double virialLimit = -aExcess / (R * T * std::sqrt(T));
    EXPECT_NEAR(excessAt(T, P), virialLimit, 1e-9 * virialLimit) << T << " K, " << P << " MPa";
  }
  EXPECT_NEAR(excessAt(300.0, 10.0), -43.0310292009, 1e-8);
}

TEST(Excess, VanishesForAnIdealGasMixture) {
  Engine engine;
  const Composition x = Binary(He, 0.4, Ne);
  const double T = 2000.0, P = 1e-4;
  CubicRoots roots = engine.Volume(x, T, P);
  const double V = engine.VolumeChoice(roots, 0);
  EXPECT_NEAR(engine.Excess(VolumeKind, x, T, P, V), 0.0, 1e-6 * V);
  EXPECT_NEAR(engine.Excess(GibbsKind, x, T, P, engine.Gibbs(x, T, V)), 0.0, 1e-3);
  EXPECT_NEAR(engine.Excess(EntropyKind, x, T, P, engine.Entropy(x, T, V)), 0.0, 1e-6);
}

}  // namespace
