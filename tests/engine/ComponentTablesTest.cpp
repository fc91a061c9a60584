// Every entry of the component tables that a single mistyped digit could
// change: the molar masses, standard entropies and formation enthalpies, the
// 37 interaction constants and each saturation-pressure correlation. Expected
// values are the published table values, or the table's formulas evaluated in a
// separate script.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"

namespace {

using engine_test::Pure;

struct ComponentRow {
  int component;
  double molarMass;  // g/mol
  double S298;       // J/(mol K)
  double dfH298;     // J/mol
};

// The standard entropies of iC4H10 and nC6H14 are 294.7 and 388.82 J/(mol K),
// not the digit transpositions 249.7 and 338.82 often copied.
constexpr ComponentRow components[] = {
    {H2O, 18.01528, 188.72, -241814.0},     {CO2, 44.0098, 213.79, -393510.0},
    {N2, 28.01348, 191.61, 0.0},            {H2S, 34.08188, 205.8, -20627.0},
    {NH3, 17.03056, 192.78, -45940.0},      {H2, 2.01588, 130.68, 0.0},
    {O2, 31.9988, 205.15, 0.0},             {CO, 28.0104, 197.67, -110530.0},
    {He, 4.0020602, 126.15, 0.0},           {Ne, 20.1797, 146.32, 0.0},
    {Ar, 39.9484, 154.84, 0.0},             {CH4, 16.04276, 186.26, -74810.0},
    {C2H6, 30.06964, 229.492, -84997.0},    {C3H8, 44.096, 269.91, -104700.0},
    {iC4H10, 58.123, 294.7, -134200.0},     {nC4H10, 58.123, 310.23, -125600.0},
    {iC5H12, 72.15, 339.66, -153700.0},     {nC5H12, 72.15, 347.82, -146800.0},
    {nC6H14, 86.177, 388.82, -167200.0},    {nC7H16, 100.204, 427.9, -189300.0},
    {nC8H18, 114.231, 467.06, -208700.0},
};

// The density of each pure component at 1 cm3/mol is its molar mass: every
// one of the 21 counts, the last included.
TEST(ComponentTables, EveryMolarMassCountsInTheDensity) {
  Engine engine;
  for (const ComponentRow& row : components)
    EXPECT_EQ(engine.Density(Pure(row.component), 1.0), row.molarMass) << ComponentName[row.component];
}

// At 298.15 K every heat-capacity integral vanishes exactly.
TEST(ComponentTables, EveryStandardEntropyAndFormationEnthalpy) {
  Engine engine;
  for (const ComponentRow& row : components) {
    EXPECT_EQ(engine.IdealGas(1, Pure(row.component), 298.15), row.S298) << ComponentName[row.component];
    EXPECT_EQ(engine.IdealGas(2, Pure(row.component), 298.15), row.dfH298) << ComponentName[row.component];
  }
}

struct CrossAttraction {
  int i;
  int j;
  double a;  // MPa cm6 K^0.5/mol2, with the pair's k_ij
};

constexpr CrossAttraction pairs[] = {
    {CO2, H2S, 6.897717935545e+06},     {CO2, CH4, 4.302074903932e+06},    {CO2, C2H6, 7.292772108163e+06},
    {CO2, C3H8, 9.658348096072e+06},    {CO2, iC4H10, 1.124068004195e+07}, {CO2, nC4H10, 1.146731701562e+07},
    {CO2, iC5H12, 1.312224031307e+07},  {CO2, nC5H12, 1.364536464978e+07}, {N2, He, 8.421539458690e+04},
    {N2, CH4, 2.134703198375e+06},      {N2, C2H6, 3.685728154825e+06},    {N2, C3H8, 4.815503180846e+06},
    {N2, nC4H10, 5.935538619265e+06},   {H2S, CH4, 4.950286776062e+06},    {H2S, C2H6, 8.655233968045e+06},
    {H2S, C3H8, 1.165252021276e+07},    {H2S, iC4H10, 1.453773616773e+07}, {H2S, nC4H10, 1.483203598020e+07},
    {H2S, iC5H12, 1.700980172765e+07},  {H2S, nC5H12, 1.768730620357e+07}, {H2, CH4, 6.457916052008e+05},
    {O2, Ar, 1.682733411228e+06},       {He, Ar, 1.043884046556e+05},      {Ne, CH4, 4.351433064362e+05},
    {Ar, CH4, 2.251820206895e+06},      {Ar, C2H6, 3.973095501859e+06},    {CH4, C2H6, 5.559228623157e+06},
    {CH4, C3H8, 7.610538755379e+06},    {CH4, iC4H10, 9.355836479905e+06}, {CH4, nC4H10, 9.545272916701e+06},
    {CH4, iC5H12, 1.096393139624e+07},  {CH4, nC5H12, 1.140045838229e+07}, {CH4, nC6H14, 1.317204579024e+07},
    {CH4, nC7H16, 1.482997192945e+07},  {CH4, nC8H18, 1.639641418434e+07}, {iC4H10, nC8H18, 5.385383888816e+07},
    {nC4H10, nC8H18, 5.516112459929e+07},
};

// The cross parameter goes as (1 - k_ij)^1.5: a change of 0.01 in k_ij moves
// it by a percent or more.
TEST(ComponentTables, EveryInteractionConstant) {
  Engine engine;
  engine.aMixture(engine_test::EqualParts());
  for (const CrossAttraction& pair : pairs) {
    EXPECT_NEAR(engine.a[pair.i][pair.j], pair.a, 1e-11 * pair.a) << ComponentName[pair.i] << "-" << ComponentName[pair.j];
    EXPECT_EQ(engine.a[pair.j][pair.i], engine.a[pair.i][pair.j]);
  }
}

struct SaturationState {
  int component;
  double T;  // K, between the triple and the critical point
  double P;  // MPa
};

constexpr SaturationState saturation[] = {
    {H2O, 400, 2.457652635418e-01},  {CO2, 250, 1.785668039274e+00},    {N2, 100, 7.783974622870e-01},
    {H2S, 300, 2.092403721349e+00},  {NH3, 300, 1.076398504801e+00},    {H2, 20, 9.274745659750e-02},
    {O2, 120, 1.022317815903e+00},   {CO, 100, 5.446587086908e-01},     {He, 4, 1.769869378831e-01},
    {Ne, 35, 1.450511635842e+00},    {Ar, 120, 2.677599902514e+00},     {CH4, 150, 1.038359750492e+00},
    {C2H6, 250, 1.300980056274e+00}, {C3H8, 300, 3.229379800253e+00},   {iC4H10, 350, 2.947770121185e+00},
    {nC4H10, 350, 2.840322180917e+00}, {iC5H12, 400, 2.755480771051e+00}, {nC5H12, 400, 2.731660831816e+00},
    {nC6H14, 450, 2.514098462565e+00}, {nC7H16, 450, 2.074187054383e+00}, {nC8H18, 500, 2.023979507848e+00},
};

TEST(ComponentTables, EverySaturationCorrelationInsideItsRange) {
  Engine engine;
  for (const SaturationState& s : saturation)
    EXPECT_NEAR(engine.SaturationPressure(s.component, s.T), s.P, 1e-11 * s.P) << ComponentName[s.component];
}

}  // namespace
