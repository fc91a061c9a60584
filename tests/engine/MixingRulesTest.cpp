#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace {

using engine_test::Binary;
using engine_test::Pure;

TEST(ComponentConstants, HoldTheTableValues) {
  Engine engine;
  engine.CriticalValues();
  engine.MolecularMasses();
  EXPECT_EQ(engine.Tcrit[H2O], 647.096);
  EXPECT_EQ(engine.Pcrit[He], 0.22746);
  EXPECT_EQ(engine.Vcrit[C3H8], 200.0);
  EXPECT_EQ(engine.Acentric[Ar], -0.00219);
  EXPECT_EQ(engine.Ttrip[iC5H12], 143.46);
  EXPECT_EQ(engine.Ttrip[nC5H12], 112.65);
  EXPECT_EQ(engine.MM[He], 4.0020602);
  EXPECT_EQ(engine.MM[iC4H10], engine.MM[nC4H10]);
  for (int i : {H2, He, Ne, Ar}) EXPECT_LT(engine.Acentric[i], 0.0) << ComponentName[i];
}

TEST(MixingRules, PureComponentParameters) {
  Engine engine;
  engine.aMixture(Pure(H2O));
  engine.bMixture(Pure(H2O));
  EXPECT_NEAR(engine.b[H2O], 21.1270733, 1e-6);
  EXPECT_NEAR(engine.a[H2O][H2O], 1.42666802e7, 1.0);
  EXPECT_NEAR(engine.b[CO2], 31.2257084, 1e-6);
  EXPECT_NEAR(engine.a[CO2][CO2], 6.75649030e6, 0.1);
  EXPECT_NEAR(engine.b[CH4], 29.9139552, 1e-6);
  EXPECT_NEAR(engine.a[CH4][CH4], 3.22843084e6, 0.1);
  // NH3 takes the Redlich-Kwong default coefficient 0.08664034996495773.
  EXPECT_DOUBLE_EQ(engine.b[NH3], 0.08664034996495773 * R * 405.4 / 11.333);
}

TEST(MixingRules, CarbonDioxideMethanePair) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  EXPECT_NEAR(engine.aMixture(x), 4.64726774e6, 0.1);
  EXPECT_NEAR(engine.bMixture(x), 30.5698318, 1e-6);
  EXPECT_NEAR(engine.a[CO2][CH4], 4.30207490e6, 0.1);
  EXPECT_EQ(engine.a[CO2][CH4], engine.a[CH4][CO2]);
  EXPECT_EQ(engine.CoVolume(x), engine.bMixture(x));
}

TEST(MixingRules, UseFractionsAsGivenAndSkipNonPositiveOnes) {
  Engine engine;
  const double a1 = engine.aMixture(Pure(CO2));
  const double b1 = engine.bMixture(Pure(CO2));
  EXPECT_EQ(a1, engine.a[CO2][CO2]);
  EXPECT_EQ(b1, engine.b[CO2]);
  Composition doubled{};
  doubled[CO2] = 2.0;
  doubled[CH4] = -0.5;
  EXPECT_EQ(engine.aMixture(doubled), 4.0 * a1);
  EXPECT_EQ(engine.bMixture(doubled), 2.0 * b1);
  EXPECT_EQ(engine.aMixture(Composition{}), 0.0);
  EXPECT_EQ(engine.bMixture(Composition{}), 0.0);
  EXPECT_GT(engine.a[nC8H18][nC8H18], 0.0);
  EXPECT_GT(engine.b[He], 0.0);
}

// Every pair parameter is written on every call, so results never depend on
// which mixtures were computed before.
TEST(MixingRules, FillEveryPairParameterOnEveryCall) {
  Engine fresh;
  fresh.aMixture(Pure(H2O));
  EXPECT_NEAR(fresh.a[CO2][CH4], 4.30207490e6, 0.1);
  EXPECT_NEAR(fresh.a[CH4][CO2], 4.30207490e6, 0.1);

  Engine used;
  used.aMixture(engine_test::EqualParts());
  used.aMixture(Pure(H2O));
  EXPECT_EQ(used.a, fresh.a);
  for (int i = 0; i < ComponentCount; ++i)
    for (int j = 0; j < ComponentCount; ++j) {
      EXPECT_GT(fresh.a[i][j], 0.0);
      EXPECT_EQ(fresh.a[i][j], fresh.a[j][i]);
    }
}

}  // namespace
