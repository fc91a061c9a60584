#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "EngineTestSupport.h"
#include "engine/RedlichKwong.h"

namespace {

using engine_test::Binary;
using engine_test::Pure;

void ExpectRoots(const CubicRoots& r, std::array<double, 3> re, std::array<double, 3> im, double tol = 1e-12) {
  for (int k = 0; k < 3; ++k) {
    EXPECT_NEAR(r[0][k], re[k], tol) << "real part of root " << k;
    EXPECT_NEAR(r[1][k], im[k], tol) << "imaginary part of root " << k;
  }
}

TEST(CubicEquation, ThreeRealRootsComeAsMiddleSmallestLargest) {
  ExpectRoots(Engine::CubicEquation(0, -7, 6), {1, -3, 2}, {0, 0, 0});
  ExpectRoots(Engine::CubicEquation(0, -3, -2), {-1, -1, 2}, {0, 0, 0}, 1e-7);  // double root, c = 1
  ExpectRoots(Engine::CubicEquation(0, -3, 2), {1, -2, 1}, {0, 0, 0}, 1e-7);    // double root, c = -1
}

TEST(CubicEquation, OneRealRootAndAComplexPair) {
  const double h = std::sqrt(7.0) / 2.0;
  ExpectRoots(Engine::CubicEquation(0, 1, 2), {-1, 0.5, 0.5}, {0, -h, h});  // p > 0
  const CubicRoots r = Engine::CubicEquation(0, -3, 4);                     // p < 0, c = -2
  EXPECT_NEAR(r[0][0], -2.1958, 1e-4);
  EXPECT_NEAR(r[0][1], 1.0979, 1e-4);
  EXPECT_EQ(r[0][1], r[0][2]);
  EXPECT_NEAR(r[1][1], 0.7850, 1e-4);
  EXPECT_EQ(r[1][2], -r[1][1]);
  EXPECT_EQ(r[1][0], 0.0);
}

// A reduced coefficient of zero is an ordinary cubic, not a failure.
TEST(CubicEquation, SolvesZeroReducedCoefficients) {
  ExpectRoots(Engine::CubicEquation(-6, 11, -6), {2, 1, 3}, {0, 0, 0});  // q = 0
  ExpectRoots(Engine::CubicEquation(0, -1, 0), {0, -1, 1}, {0, 0, 0});   // t^3 - t, q = 0
  ExpectRoots(Engine::CubicEquation(0, 1, 0), {0, 0, 0}, {0, -1, 1});    // t^3 + t, q = 0
  const double h = std::sqrt(3.0);
  ExpectRoots(Engine::CubicEquation(0, 0, -8), {2, -1, -1}, {0, -h, h});  // p = 0
  ExpectRoots(Engine::CubicEquation(-3, 3, -1), {1, 1, 1}, {0, 0, 0});    // (t - 1)^3, p = q = 0
}

TEST(Volume, PureAmmoniaAtItsCriticalPointHasTheTripleRoot) {
  Engine engine;
  const double vc = R * 405.4 / (3.0 * 11.333);
  const CubicRoots r = engine.Volume(Pure(NH3), 405.4, 11.333);
  ExpectRoots(r, {vc, vc, vc}, {0, 0, 0}, 1e-9 * vc);
  CubicRoots copy = r;
  EXPECT_NEAR(engine.VolumeChoice(copy, 0), vc, 1e-9 * vc);
  EXPECT_EQ(engine.Volume(Pure(NH3), 405.4, 0.0), CubicRoots{});  // only P = 0 gives six zeros
}

TEST(Volume, EveryRealRootAboveTheCoVolumeGivesBackThePressure) {
  Engine engine;
  int checked = 0;
  for (const Composition& x : engine_test::RandomMixtures(60, 7)) {
    const double b = engine.CoVolume(x);
    for (double T : {120.0, 250.0, 400.0, 900.0})
      for (double P : {1e-6, 0.01, 0.5, 3.0, 20.0, 200.0}) {
        const CubicRoots r = engine.Volume(x, T, P);
        for (int k = 0; k < 3; ++k) {
          if (r[1][k] != 0.0 || !(r[0][k] > b)) continue;
          const double V = r[0][k];
          // The pressure is the difference of two large terms; compare it on
          // the scale of the repulsion term.
          const double scale = R * T / (V - b);
          EXPECT_NEAR(engine.Pressure(x, T, V), P, 1e-13 * scale + 1e-15) << "T " << T << " P " << P << " V " << V;
          ++checked;
        }
      }
  }
  EXPECT_GT(checked, 1000);
}

// Far below ordinary pressures the largest root dwarfs the others by up to
// fifteen orders of magnitude, where a cancelling formula loses every digit of
// the smaller roots.
std::vector<Composition> VeryLowPressureMixtures() {
  std::vector<Composition> mixtures = {Pure(CO2), Pure(H2O), Pure(CH4), Pure(NH3), Pure(nC8H18), Pure(He),
                                       Binary(CO2, 0.3, nC6H14), engine_test::EqualParts()};
  for (const Composition& x : engine_test::RandomMixtures(6, 11)) mixtures.push_back(x);
  return mixtures;
}

constexpr double veryLowPressures[] = {1e-12, 1e-10, 3e-9, 1e-8, 1e-6, 1e-5, 1e-4};

// The Redlich-Kwong pressure, MPa, for a real or complex V, cm3/mol.
template <class Volume>
Volume PressureAt(double a, double b, double T, Volume V) {
  return R * T / (V - b) - a / (std::sqrt(T) * V * (V + b));
}

// |P(V) - P| over the size of the larger of the equation's two terms, for any
// root, complex or real, above the co-volume or not.
double RelativeResidual(double a, double b, double T, double P, std::complex<double> V) {
  const double terms = std::max(std::abs(R * T / (V - b)), std::abs(a / (std::sqrt(T) * V * (V + b))));
  return std::abs(PressureAt(a, b, T, V) - P) / terms;
}

// Where P(V) - P changes sign on a fine logarithmic grid of V above b: one
// crossing per real root above b, unless two roots nearly coincide.
int PressureCrossingsAboveCoVolume(double a, double b, double T, double P) {
  int crossings = 0;
  double previous = PressureAt(a, b, T, b * (1.0 + 1e-4)) - P;
  for (double exponent = -4.0; exponent < 18.0; exponent += 0.004) {
    const double difference = PressureAt(a, b, T, b * (1.0 + std::pow(10.0, exponent))) - P;
    if ((difference > 0.0) != (previous > 0.0)) ++crossings;
    previous = difference;
  }
  return crossings;
}

TEST(Volume, EveryRootAtVeryLowPressureIsARoot) {
  Engine engine;
  int threeRealRoots = 0, complexPairs = 0;
  for (const Composition& x : VeryLowPressureMixtures()) {
    const double a = engine.aMixture(x);
    const double b = engine.CoVolume(x);
    for (double T : {170.0, 250.0, 300.0, 600.0})
      for (double P : veryLowPressures) {
        const CubicRoots r = engine.Volume(x, T, P);
        int realAboveCoVolume = 0;
        for (int k = 0; k < 3; ++k) {
          const double V = r[0][k];
          if (r[1][k] == 0.0 && V > b) {
            EXPECT_NEAR(engine.Pressure(x, T, V), P, 1e-13 * R * T / (V - b)) << "T " << T << " P " << P << " V " << V;
            ++realAboveCoVolume;
          } else {
            EXPECT_LT(RelativeResidual(a, b, T, P, {V, r[1][k]}), 1e-12) << "T " << T << " P " << P << " root " << k;
          }
        }
        EXPECT_EQ(realAboveCoVolume, PressureCrossingsAboveCoVolume(a, b, T, P)) << "T " << T << " P " << P;
        // The largest root is the gas volume R·T/P plus the second virial
        // coefficient b - a/(R·T^1.5).
        const double largest = r[1][1] == 0.0 ? r[0][2] : r[0][0];
        const double virial = b - a / (R * T * std::sqrt(T));
        EXPECT_NEAR(largest - R * T / P, virial, 1e-3 * (std::abs(virial) + b) + 4e-16 * largest) << "T " << T << " P " << P;
        if (r[1][1] != 0.0) {
          ++complexPairs;
          EXPECT_EQ(r[0][1], r[0][2]);
          EXPECT_EQ(r[1][1], -r[1][2]);
        } else if (realAboveCoVolume == 3) {
          ++threeRealRoots;
          EXPECT_TRUE(r[0][1] <= r[0][0] && r[0][0] <= r[0][2]) << "columns: middle, smallest, largest";
        }
      }
  }
  EXPECT_GT(threeRealRoots, 50);
  EXPECT_GT(complexPairs, 50);
}

// Below its triple point water's saturation pressure is tiny; just above it
// the liquid-like root must still be the liquid, nearly incompressible, not
// the middle root or a stray one.
TEST(Volume, LiquidLikeRootOfWaterHoldsDownToItsTinySaturationPressure) {
  Engine engine;
  for (double T : {170.0, 250.0}) {
    CubicRoots ordinary = engine.Volume(Pure(H2O), T, 0.01);
    const double liquid = engine.VolumeChoice(ordinary, 2);
    std::vector<double> pressures(std::begin(veryLowPressures), std::end(veryLowPressures));
    pressures.push_back(1.5 * engine.SaturationPressure(H2O, T));
    for (double P : pressures) {
      CubicRoots roots = engine.Volume(Pure(H2O), T, P);
      EXPECT_NEAR(engine.VolumeChoice(roots, 2), liquid, 1e-5 * liquid) << "T " << T << " P " << P;
    }
  }
}

// The reviewer's case: at 1e-10 MPa pure CO2 at 300 K has one real root; the
// two reported at 850004 and 885307 cm3/mol had pressures near 0.003 MPa.
TEST(Volume, CarbonDioxideAtVeryLowPressureHasOneRealRoot) {
  Engine engine;
  const CubicRoots r = engine.Volume(Pure(CO2), 300.0, 1e-10);
  EXPECT_NEAR(r[0][0], R * 300.0 / 1e-10, 1e-9 * r[0][0]);
  EXPECT_LT(r[1][1], 0.0);
  EXPECT_EQ(r[1][2], -r[1][1]);
  EXPECT_LT(r[0][1], 100.0);
}

// Near 0 K the cubic is (V - b)(V^2 + b V + A) = (R·T/P)·V^2 with A = a/(P·√T):
// its real root lies within 1e-30 of b, closer than the doubles around b, and
// the pair tends to -b/2 ± i·sqrt(A - b^2/4). No volume above b has the
// pressure there, so no root is a state.
TEST(Volume, NearZeroKelvinTheRealRootIsTheCoVolumeAndNoState) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double a = engine.aMixture(x);
  const double b = engine.CoVolume(x);
  for (double T : {1e-20, 1e-50, 1e-100}) {
    const double P = 3.0;
    CubicRoots r = engine.Volume(x, T, P);
    EXPECT_NEAR(r[0][0], b, 1e-14 * b) << T;
    EXPECT_LE(r[0][0], b) << T;
    const double A = a / (P * std::sqrt(T));
    EXPECT_NEAR(r[0][1], -b / 2.0, 1e-12 * b) << T;
    EXPECT_NEAR(std::abs(r[1][1]), std::sqrt(A - b * b / 4.0), 1e-12 * std::sqrt(A)) << T;
    EXPECT_EQ(engine.VolumeChoice(r, 0), 0.0) << T;
    EXPECT_EQ(engine.VolumeChoice(r, 2), 0.0) << T;
  }
}

// Where R·T/P or its powers overflow the closed form, the roots are still
// finite: at P = 1e-100 MPa the gas root R·T/P and the pair that solves the
// P -> 0 limit V^2 - (α - b)V + α·b = 0 (α = a/(R·T^1.5)); at T = 1e200 K the
// roots R·T/P + b, -b and about -α of V(V - R·T/P - b)(V + b) + a/(P·√T)·(V - b) = 0.
TEST(Volume, FiniteRootsAtExtremeStatesAreFound) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double a = engine.aMixture(x);
  const double b = engine.CoVolume(x);

  const double T = 220.0, P = 1e-100;
  const CubicRoots low = engine.Volume(x, T, P);
  EXPECT_NEAR(low[0][0], R * T / P, 1e-14 * R * T / P);
  const double alpha = a / (R * T * std::sqrt(T));
  const double pairReal = (alpha - b) / 2.0;
  EXPECT_NEAR(low[0][1], pairReal, 1e-12 * alpha);
  EXPECT_NEAR(std::abs(low[1][1]), std::sqrt(alpha * b - pairReal * pairReal), 1e-10 * alpha);

  const double hot = 1e200;
  const CubicRoots high = engine.Volume(x, hot, 3.0);
  ASSERT_EQ(high[1], (std::array<double, 3>{0.0, 0.0, 0.0}));
  EXPECT_NEAR(high[0][2], R * hot / 3.0 + b, 1e-14 * R * hot / 3.0);
  EXPECT_NEAR(high[0][1], -b, 1e-12 * b);
  const double tiny = -a / (R * hot * std::sqrt(hot));
  EXPECT_NEAR(high[0][0], tiny, 1e-12 * std::abs(tiny));
}

// With a and b times 2^k and P over 2^k every coefficient of the cubic scales
// by a power of 2^k, which changes no bit: every root scales by 2^k exactly.
// The cubic is solved in a scale of its own only far out, so this also holds
// between roots solved in that scale and roots solved without it.
TEST(Volume, RootsScaleExactlyWithAPowerOfTwo) {
  Engine engine;
  const Composition x = Binary(CO2, 0.5, CH4);
  const double a = engine.aMixture(x), b = engine.CoVolume(x);
  for (auto [T, P] : {std::pair{350.0, 5.0}, {200.0, 0.5}, {300.0, 1e-10}}) {
    const CubicRoots roots = RedlichKwongRoots(a, b, T, P);
    for (const double scale : {0x1p-70, 0x1p-20, 0x1p20, 0x1p70}) {
      const CubicRoots scaled = RedlichKwongRoots(a * scale, b * scale, T, P / scale);
      for (int k = 0; k < 6; ++k)
        EXPECT_EQ(scaled[k / 3][k % 3], roots[k / 3][k % 3] * scale) << T << " K, scale " << scale;
    }
  }
}

TEST(VolumeChoice, OneRealRootIsChosenForEveryRankAndComplexRootsReadZero) {
  CubicRoots r = Engine::CubicEquation(0, 1, 2);
  const double imaginary = r[1][2];
  for (int rank : {0, 1, 2, 5}) {
    CubicRoots copy = Engine::CubicEquation(-10, 4, -40);  // (t - 10)(t^2 + 4)
    EXPECT_NEAR(Engine::VolumeChoice(copy, rank, 0.0), 10.0, 1e-12) << rank;
  }
  EXPECT_EQ(Engine::VolumeChoice(r, 0, -5.0), r[0][0]);
  EXPECT_EQ(r[0][1], 0.0);
  EXPECT_EQ(r[0][2], 0.0);
  EXPECT_EQ(r[1][2], imaginary);
}

TEST(VolumeChoice, RanksThreeRealRoots) {
  for (auto [rank, expected] : {std::pair{0, 2.0}, {1, 1.0}, {2, -3.0}, {5, 2.0}}) {
    CubicRoots r = Engine::CubicEquation(0, -7, 6);
    EXPECT_NEAR(Engine::VolumeChoice(r, rank, -10.0), expected, 1e-12) << rank;
  }
}

// Liquid-like and vapour-like choices take only real roots above the co-volume.
TEST(VolumeChoice, IgnoresRootsNotAboveTheCoVolume) {
  CubicRoots r = Engine::CubicEquation(0, -7, 6);  // roots 1, -3, 2
  EXPECT_NEAR(Engine::VolumeChoice(r, 2, 0.0), 1.0, 1e-12);
  EXPECT_NEAR(Engine::VolumeChoice(r, 2, 1.5), 2.0, 1e-12);
  EXPECT_NEAR(Engine::VolumeChoice(r, 1, 1.5), 2.0, 1e-12);
  EXPECT_EQ(Engine::VolumeChoice(r, 0, 2.5), 0.0);
  CubicRoots zeros{};
  EXPECT_EQ(Engine::VolumeChoice(zeros, 2, 0.0), 0.0);

  // The two-argument form uses the co-volume of the last Volume call.
  Engine engine;
  const Composition x = Binary(He, 0.5, CH4);
  CubicRoots roots = engine.Volume(x, 300.0, 20.0);
  const double V = engine.VolumeChoice(roots, 2);
  EXPECT_GT(V, engine.CoVolume(x));
  EXPECT_NEAR(engine.Pressure(x, 300.0, V), 20.0, 1e-9);
}

TEST(Density, IsMassOverVolumeAndZeroWithoutAVolume) {
  Engine engine;
  EXPECT_DOUBLE_EQ(engine.Density(Pure(CO2), 44.0098), 1.0);
  EXPECT_EQ(engine.Density(Pure(CO2), 0.0), 0.0);
  EXPECT_EQ(engine.Density(Pure(CO2), -10.0), 0.0);
  EXPECT_EQ(engine.Density(Pure(CO2), std::nan("")), 0.0);
}

}  // namespace
