#include <gtest/gtest.h>

#include <cmath>

#include "EngineTestSupport.h"

namespace {

using engine_test::Binary;
using engine_test::Pure;

struct QuotedPressure {
  int component;
  double T;         // K
  double expected;  // MPa
  double tolerance;
};

// Both ends of each range are inside it, the correlations jump at the ends,
// H2 keeps 0.1 MPa below its triple point, and the straight lines go negative.
TEST(SaturationPressure, QuotedValues) {
  Engine engine;
  const QuotedPressure quoted[] = {
      {H2O, 373.15, 0.1014180, 5e-8},   {H2O, 273.16, 0.000611657, 5e-10}, {H2O, 273.15, 0.000761253, 5e-10},
      {H2O, 647.096, 22.064, 0.0},      {H2O, 647.1, 23.9186, 5e-5},       {CO2, 216.592, 0.518323, 5e-7},
      {CO2, 216.5, 0.442371, 5e-7},     {N2, 77.35, 0.1012981, 5e-8},      {CO, 81.6, 0.1008923, 5e-8},
      {CO, 132.85, 3.4935015, 5e-8},    {H2, 13.95, 0.1, 0.0},             {H2, 13.957, 0.00786419, 5e-9},
      {H2, 300.0, 77.3058, 5e-5},       {He, 2.1768, 0.1, 1e-15},          {He, 5.1953, 0.22746, 1e-15},
      {He, 300.0, 12.67596, 5e-6},      {nC8H18, 200.0, -0.0110445, 5e-8}, {Ar, 82.0, -0.0286015, 5e-8},
  };
  for (const auto& q : quoted)
    EXPECT_NEAR(engine.SaturationPressure(q.component, q.T), q.expected, q.tolerance)
        << ComponentName[q.component] << " at " << q.T << " K";
  engine.CriticalValues();
  for (int i : {CO2, N2, H2S, NH3, O2, CH4, C2H6})
    EXPECT_EQ(engine.SaturationPressure(i, engine.Tcrit[i]), engine.Pcrit[i]) << ComponentName[i];
}

TEST(SaturationPressure, OutsideItsDomain) {
  Engine engine;
  for (int i = 0; i < ComponentCount; ++i) {
    EXPECT_EQ(engine.SaturationPressure(i, 0.0), 0.0);
    EXPECT_EQ(engine.SaturationPressure(i, -5.0), 0.0);
  }
  EXPECT_TRUE(std::isnan(engine.SaturationPressure(21, 300.0)));
  EXPECT_TRUE(std::isnan(engine.SaturationPressure(-1, 300.0)));
}

TEST(RaoultPressure, BubbleAndDewPressures) {
  Engine engine;
  EXPECT_NEAR(engine.RaoultPressure(Pure(H2O), 373.15, 0), 0.1014180, 5e-8);
  EXPECT_NEAR(engine.RaoultPressure(Pure(H2O), 373.15, 1), 0.1014180, 5e-8);
  const Composition x = Binary(H2O, 0.5, CO2);
  EXPECT_NEAR(engine.RaoultPressure(x, 300.0, 0), 3.358402, 5e-7);
  EXPECT_NEAR(engine.RaoultPressure(x, 300.0, 1), 0.00706971, 5e-9);
  EXPECT_EQ(engine.RaoultPressure(x, 300.0, 2), 0.0);
  const Composition y = Binary(CH4, 0.9, nC8H18);
  EXPECT_NEAR(engine.RaoultPressure(y, 200.0, 0), 5.476214, 5e-7);
  EXPECT_EQ(engine.RaoultPressure(y, 200.0, 1), 0.0);  // negative straight-line pressure of nC8H18
  EXPECT_EQ(engine.RaoultPressure(y, 0.0, 1), 0.0);
}

TEST(WilsonDistribution, KValues) {
  Engine engine;
  const auto k = engine.WilsonDistribution(373.15, 0.1);
  EXPECT_NEAR(k[H2O], 1.098409, 5e-7);
  EXPECT_NEAR(k[CH4], 650.0433, 5e-5);
  engine.CriticalValues();
  const auto atCritical = engine.WilsonDistribution(engine.Tcrit[CO2], 2.0);
  EXPECT_DOUBLE_EQ(atCritical[CO2], engine.Pcrit[CO2] / 2.0);
  for (const auto& ones : {engine.WilsonDistribution(0.0, 5.0), engine.WilsonDistribution(300.0, 0.0),
                           engine.WilsonDistribution(std::nan(""), 5.0)})
    for (double v : ones) EXPECT_EQ(v, 1.0);
}

TEST(Normaliser, RescalesAtFixedPoint) {
  Engine engine;
  Composition x = Binary(H2O, 0.5, CO2);
  EXPECT_EQ(engine.Normaliser(x), 1.0);
  EXPECT_EQ(x, Binary(H2O, 0.5, CO2));

  Composition fifths{};
  fifths[0] = fifths[1] = 0.2;
  EXPECT_DOUBLE_EQ(engine.Normaliser(fifths), 0.4);
  EXPECT_EQ(fifths[0], 0.5);
  EXPECT_EQ(fifths[1], 0.5);

  Composition thirds{};
  thirds[0] = thirds[1] = thirds[2] = 1.0 / 3.0;
  EXPECT_EQ(engine.Normaliser(thirds), 999999999999.0 / 1e12);
  EXPECT_EQ(thirds[2], 333333333333.0 / 999999999999.0);

  Composition tiny{};
  tiny[0] = 0.9;
  tiny[5] = 1e-13;
  engine.Normaliser(tiny);
  EXPECT_EQ(tiny[0], 1.0);
  EXPECT_EQ(tiny[5], 0.0);

  // 0.7 + 0.3 sums to exactly one when each fraction rounds to nearest.
  Composition rounded = Binary(H2O, 0.7, nC8H18);
  EXPECT_EQ(engine.Normaliser(rounded), 1.0);
  EXPECT_EQ(rounded, Binary(H2O, 0.7, nC8H18));
}

TEST(Normaliser, LeavesTheFluidEntriesAndUnusableInputAlone) {
  Engine engine;
  engine.IntegerFraction[3] = 123;
  Composition zero{};
  EXPECT_EQ(engine.Normaliser(zero), 0.0);
  EXPECT_EQ(zero, Composition{});
  Composition cancelling{};
  cancelling[0] = 0.25;
  cancelling[1] = -0.25;
  EXPECT_EQ(engine.Normaliser(cancelling), 0.0);
  EXPECT_EQ(cancelling[0], 0.25);

  for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300, -5e5}) {
    Composition x = Binary(H2O, 0.5, CO2);
    x[7] = bad;
    const Composition before = x;
    EXPECT_TRUE(std::isnan(engine.Normaliser(x))) << bad;
    for (int i = 0; i < ComponentCount; ++i) {
      if (i != 7) {
        EXPECT_EQ(x[i], before[i]);
      }
    }
  }
  // Large but usable entries sum exactly.
  Composition large{};
  large.fill(4e5);
  EXPECT_EQ(engine.Normaliser(large), 21 * 4e5);
  EXPECT_DOUBLE_EQ(large[0], 1.0 / 21.0);
  EXPECT_EQ(engine.IntegerFraction[3], 123);
}

}  // namespace
