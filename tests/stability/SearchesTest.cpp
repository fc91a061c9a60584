// The spinodal and critical-point searches against closed forms, known
// critical points and the criteria themselves.
#include <gtest/gtest.h>

#include <cmath>

#include "HelmholtzReference.h"
#include "stability/AnalysisTable.h"
#include "stability/CriticalSearch.h"
#include "stability/Determinant.h"
#include "stability/HelmholtzDerivatives.h"
#include "stability/SpinodalSearch.h"

using namespace stability;
using namespace stability_test;

namespace {

Composition Binary(int first, int second) {
  Composition x{};
  x[first] = 0.5;
  x[second] = 0.5;
  return x;
}

Composition Pure(int component) {
  Composition x{};
  x[component] = 1.0;
  return x;
}

const Yield kNoYield = [] {};

// The spinodal of a pure fluid, where ∂P/∂V = 0: T^(3/2) = a(2V + b)(V − b)²/(R V² (V + b)²).
double PureSpinodal(double a, double b, double V) {
  return std::cbrt(std::pow(a * (2 * V + b) * (V - b) * (V - b) / (R * V * V * (V + b) * (V + b)), 2.0));
}

double SpinodalDeterminant(const MixtureTerms& m, double T, double V) {
  Matrix q = SpinodalMatrix(m, T, V);
  return LuDeterminant(q);
}

}  // namespace

TEST(SearchesTest, PureSpinodalFollowsTheClosedForm) {
  Engine engine;
  for (int component : {H2O, CO2, He, CH4, nC8H18}) {
    const MixtureTerms m = *MixTerms(engine, Pure(component));
    for (double factor : {1.2, 3.85, 10.0, 1e3}) {
      const double V = m.bmix * factor;
      EXPECT_NEAR(SpinodalLadder(m, V, kSpinodalStarts, kNoYield), PureSpinodal(m.amix, m.bmix, V),
                  1e-12 * PureSpinodal(m.amix, m.bmix, V))
          << ComponentName[component] << " at " << V;
    }
  }
  // Far out, where the determinant is far below 1e-12 but not zero.
  const MixtureTerms co2 = *MixTerms(engine, Pure(CO2));
  EXPECT_NEAR(SpinodalLadder(co2, 1e7, kSpinodalStarts, kNoYield), 0.2978112878, 1e-10);
}

TEST(SearchesTest, MixtureSpinodalIsWhereTheDeterminantChangesSign) {
  Engine engine;
  Composition x{};
  x[H2O] = 0.2;
  x[CO2] = 0.3;
  x[N2] = 0.1;
  x[CH4] = 0.4;
  const MixtureTerms m = *MixTerms(engine, x);
  for (double V : {40.0, 80.0, 300.0}) {
    const double T = SpinodalLadder(m, V, kSpinodalStarts, kNoYield);
    ASSERT_GT(T, 0.1);
    EXPECT_LT(SpinodalDeterminant(m, T * (1 - 1e-9), V) * SpinodalDeterminant(m, T * (1 + 1e-9), V), 0.0);
  }
}

TEST(SearchesTest, NoStateGivesNoTemperatureAtOnce) {
  Engine engine;
  EXPECT_FALSE(MixTerms(engine, Composition{}).has_value());
  const MixtureTerms m = *MixTerms(engine, Binary(CO2, CH4));
  int yields = 0;
  const Yield counting = [&yields] { ++yields; };
  for (double V : {m.bmix, m.bmix / 2, 0.0, -50.0, double(NAN)})
    EXPECT_EQ(SpinodalLadder(m, V, kSpinodalStarts, counting), 0.0) << V;
  EXPECT_EQ(yields, 0);
  EXPECT_EQ(SpinDetSolution(m, 0.0, 100.0, kNoYield), 0.0);
  EXPECT_EQ(SpinDetSolution(m, -300.0, 100.0, kNoYield), 0.0);
}

TEST(SearchesTest, FindsTheKnownMixtureCriticalPoints) {
  struct Known {
    Composition x;
    double V, T, P;
  };
  const Known known[] = {{Binary(CO2, CH4), 95.9619875377, 250.831275511, 7.72648527372},
                         {Binary(CH4, C2H6), 128.30087821, 264.011104036, 6.68572148321}};
  Engine engine;
  for (const Known& k : known) {
    const MixtureTerms m = *MixTerms(engine, k.x);
    const PseudoCriticalPoint pseudo = PseudoCritical(m.amix, m.bmix);
    const CriticalSearchResult r =
        CriticalPointSearch(m, pseudo.volume, m.bmix + (pseudo.volume - m.bmix) / 2, kNoYield);
    ASSERT_TRUE(r.found);
    EXPECT_NEAR(r.volume, k.V, 1e-9 * k.V);
    EXPECT_NEAR(r.kelvin, k.T, 1e-9 * k.T);
    EXPECT_NEAR(engine.Pressure(k.x, r.kelvin, r.volume), k.P, 1e-9 * k.P);
  }
}

// For one component the two conditions are ∂P/∂V = 0 and ∂²P/∂V² = 0, whose
// solution is V = b/(2^(1/3) − 1) with PV/RT = 1/3.
TEST(SearchesTest, PureCriticalPointHasZOneThird) {
  Engine engine;
  for (int component : {CO2, H2O, nC8H18}) {
    const MixtureTerms m = *MixTerms(engine, Pure(component));
    const CriticalSearchResult r = PureCriticalPoint(m, kNoYield);
    ASSERT_TRUE(r.found);
    EXPECT_DOUBLE_EQ(r.volume, m.bmix / (std::cbrt(2.0) - 1.0));
    const double P = engine.Pressure(Pure(component), r.kelvin, r.volume);
    EXPECT_NEAR(P * r.volume / (R * r.kelvin), 1.0 / 3.0, 1e-12);
    const PseudoCriticalPoint pseudo = PseudoCritical(m.amix, m.bmix);
    EXPECT_NEAR(pseudo.kelvin, r.kelvin, 1e-12 * r.kelvin);
    EXPECT_NEAR(pseudo.pressure, P, 1e-12 * P);
  }
}

// At a critical point the cubic form of A along the null vector u of Q vanishes,
// and it changes sign across the point along the spinodal.
TEST(SearchesTest, CubicFormAlongTheNullVectorVanishesAtTheCriticalPoint) {
  Engine engine;
  const Composition x = Binary(CO2, CH4);
  const MixtureTerms m = *MixTerms(engine, x);
  const PseudoCriticalPoint pseudo = PseudoCritical(m.amix, m.bmix);
  const CriticalSearchResult critical =
      CriticalPointSearch(m, pseudo.volume, m.bmix + (pseudo.volume - m.bmix) / 2, kNoYield);
  ASSERT_TRUE(critical.found);

  const auto cubicForm = [&](double V) {
    const double T = SpinodalLadder(m, V, kCriticalStarts, kNoYield);
    const Matrix q = SpinodalMatrix(m, T, V);
    const Real u0 = q(0, 1), u1 = -q(0, 0);  // Q·u = 0 on the spinodal
    const HelmholtzReference A(engine, x, T);
    const Point z = A.At(V);
    // Along the line through z in the direction u, parametrised by the volume.
    const auto along = [&](const Point& v) { return A({v[0], z[1] + (v[0] - z[0]) * u1 / u0}); };
    return Partial(along, Point{z[0]}, {0, 0, 0});
  };
  const Real atCritical = cubicForm(critical.volume);
  const Real below = cubicForm(critical.volume * 0.98), above = cubicForm(critical.volume * 1.02);
  EXPECT_LT(below * above, 0);
  EXPECT_LT(std::abs(atCritical), 1e-4 * std::min(std::abs(below), std::abs(above)));
}

TEST(SearchesTest, CriticalSearchNeedsDistinctResidualsAndAState) {
  Engine engine;
  const MixtureTerms m = *MixTerms(engine, Binary(CO2, CH4));
  EXPECT_FALSE(CriticalPointSearch(m, 100.0, 100.0, kNoYield).found);
  const CriticalSearchResult inside = CriticalPointSearch(m, m.bmix * 0.9, 100.0, kNoYield);
  EXPECT_FALSE(inside.found);
  EXPECT_EQ(inside.kelvin, 0.0);
}

TEST(SearchesTest, AnalysisStartsAtTheCoVolumePlusFourRounded) {
  EXPECT_EQ(AnalysisStartVolume(29.5), 34);
  EXPECT_EQ(AnalysisStartVolume(29.49), 33);
}
