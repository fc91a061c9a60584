// The phase-split search: the damped secant's pass rules with stub residuals,
// the trivial-solution thresholds, and the two searches against known bubble
// points and an equal-fugacity solve of pure CO2.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "EngineTestSupport.h"
#include "EqualFugacity.h"
#include "engine/PhaseEquilibria.h"

using engine_test::Binary;
using engine_test::Mixture;
using engine_test::Pure;
using engine_test::SaturationByEqualFugacity;

namespace {

void NoYield() {}

// Runs the secant on residuals taken in turn from `values` (the last one
// repeated), recording each point the secant asks about. Every stop is a
// solution from the pass numbered `solvedFrom` on.
struct StubRun {
  SecantRun run;
  std::vector<double> points;
};

StubRun Secant(double lower, double upper, double f0, std::vector<double> values,
               size_t solvedFrom = 0, PassCheck notYet = PassCheck::Moving) {
  StubRun stub;
  stub.run = PhaseSplitSecant(
      lower, upper, f0,
      [&](double u) {
        stub.points.push_back(u);
        const size_t k = stub.points.size() - 1;
        return values[std::min(k, values.size() - 1)];
      },
      [&] { return stub.points.size() > solvedFrom ? PassCheck::Solution : notYet; }, NoYield);
  return stub;
}

PhaseSplit BubblePoint(Engine& engine, const Composition& z, double T) {
  return HomogenizationSearch(engine, PressureSearchFromRaoult(engine, z, T, 0.0), NoYield);
}

// The grid of the homogenization search's fixed-point fractions.
constexpr double kGrid = 1e-12;

}  // namespace

TEST(PhaseSplitSecantTest, FirstStepIsAQuarterOfTheBracketThenHalfTheDistanceOnEqualResiduals) {
  const StubRun stub = Secant(9.0, 10.0, 0.01, {0.01, 0.0});
  ASSERT_EQ(stub.points.size(), 2u);
  EXPECT_EQ(stub.points[0], 9.75);   // half the secant step through (9, -0.01) and (10, 0.01)
  EXPECT_EQ(stub.points[1], 9.625);  // equal residuals: half of 9.75 - 10, onward
  EXPECT_TRUE(stub.run.Converged());
  EXPECT_EQ(stub.run.lastPass, 1);
  EXPECT_FALSE(stub.run.Failed());
}

TEST(PhaseSplitSecantTest, APointNotAboveZeroBecomesHalfThePointBefore) {
  // Secant step -148.5 from 1: the point -147.5 becomes 0.5.
  EXPECT_EQ(Secant(4.0, 1.0, -0.0099, {1.0, 0.0}).points[0], 0.5);
  // Secant step -1 from 1: a point of exactly 0 is halved too.
  EXPECT_EQ(Secant(3.0, 1.0, -0.005, {1.0, 0.0}).points[0], 0.5);
}

TEST(PhaseSplitSecantTest, AStopInTheFirstPassIsAFailure) {
  const StubRun stub = Secant(9.0, 10.0, 0.01, {0.0});
  EXPECT_TRUE(stub.run.Converged());
  EXPECT_EQ(stub.run.lastPass, 0);
  EXPECT_TRUE(stub.run.Failed());
}

TEST(PhaseSplitSecantTest, AStopThatIsNoSolutionGoesOnWithoutMoving) {
  // A residual of 0 whose compositions still move: the point stays while they settle.
  const StubRun settling = Secant(9.0, 10.0, 0.01, {0.0}, 2);
  EXPECT_TRUE(settling.run.Converged());
  EXPECT_EQ(settling.run.lastPass, 2);
  EXPECT_EQ(settling.points, (std::vector<double>{9.75, 9.75, 9.75}));

  // A start residual of nearly 0 makes the first step 5e-13 of the point: at a
  // residual far from 0 that is no stop; near 0 it is.
  EXPECT_GT(Secant(9.0, 10.0, 1e-14, {1e-3, 1e-3, 0.0}).run.lastPass, 0);
  EXPECT_EQ(Secant(9.0, 10.0, 1e-14, {1e-7}).run.lastPass, 0);
}

TEST(PhaseSplitSecantTest, AHugeStepOrAResidualThatIsNotFiniteDiverges) {
  EXPECT_EQ(Secant(0.0, 1e301, 0.01, {1.0}).run.outcome, SearchOutcome::Diverged);
  for (double bad : {NAN, INFINITY}) {
    const StubRun stub = Secant(9.0, 10.0, 0.01, {0.5, 0.2, bad});
    EXPECT_EQ(stub.run.outcome, SearchOutcome::Diverged);
    EXPECT_EQ(stub.run.lastPass, 2);
    EXPECT_TRUE(stub.run.Failed());
  }
}

// A zero residual does not cost the secant its second point: the step after
// the wait is half the secant step through (10, 0.01) and (9.75, 0.5).
TEST(PhaseSplitSecantTest, AfterAZeroResidualTheSecantStepsFromThePointBefore) {
  const StubRun stub = Secant(9.0, 10.0, 0.01, {0.0, 0.0, 0.5, 0.0}, 4);
  ASSERT_EQ(stub.points.size(), 5u);
  EXPECT_EQ(stub.points[2], 9.75);
  EXPECT_DOUBLE_EQ(stub.points[3], 9.75 + 0.5 * 0.25 * 0.5 / 0.49);
}

// Half the first secant step from 1 towards its lower neighbour rounds away:
// both points are 1, and every later step is 0.
TEST(PhaseSplitSecantTest, ASecantWhosePointsBecameOneWaitsOnlyAtARoot) {
  const double below = std::nextafter(1.0, 0.0);
  const StubRun far = Secant(below, 1.0, 0.01, {0.5}, 5);
  EXPECT_EQ(far.run.outcome, SearchOutcome::Stalled);
  EXPECT_EQ(far.points, std::vector<double>{1.0}) << "no root there: it ends at once";

  const StubRun near = Secant(below, 1.0, 0.01, {1e-9}, 3);
  EXPECT_TRUE(near.run.Converged()) << "near a root it waits while the compositions settle";
  EXPECT_EQ(near.points, std::vector<double>(4, 1.0));
}

TEST(PhaseSplitSecantTest, AWaitThatSettledOrAStopAtOnePhaseEndsAtOnce) {
  for (auto [found, outcome] : {std::pair{PassCheck::Settled, SearchOutcome::Stalled},
                                {PassCheck::OnePhase, SearchOutcome::OnePhase}}) {
    const StubRun stub = Secant(9.0, 10.0, 0.01, {0.0}, 5, found);
    EXPECT_EQ(stub.run.outcome, outcome);
    EXPECT_EQ(stub.run.lastPass, 0);
    EXPECT_TRUE(stub.run.Failed());
  }
  // A pass whose compositions settled at a residual that is no root is no wait.
  EXPECT_EQ(Secant(9.0, 10.0, 0.01, {0.5, 0.25, 0.0}, 3, PassCheck::Settled).run.lastPass, 2);
}

TEST(PhaseSplitSecantTest, GivesUpAfterExactly10001Passes) {
  // Residuals 1, 2, r repeating, with r a root of 4r^2 - 13r + 8 = 0: the steps
  // neither shrink nor grow, so neither stop is ever met.
  const double r = (13.0 - std::sqrt(41.0)) / 8.0;
  const double cycle[3] = {1.0, 2.0, r};
  int passes = 0, yields = 0;
  const SecantRun run = PhaseSplitSecant(
      4.5, 5.0, cycle[0], [&](double) { return cycle[++passes % 3]; },
      [] { return PassCheck::Solution; }, [&] { ++yields; });
  EXPECT_EQ(run.outcome, SearchOutcome::Exhausted);
  EXPECT_EQ(passes, 10001);
  EXPECT_EQ(yields, 10001);
  EXPECT_EQ(run.lastPass, 10000);
  EXPECT_TRUE(run.Failed());
}

// Two phases are one, or closing in on one, when they are alike in molar
// volume and both lie within 0.01 of the mixture in every fraction.
TEST(TrivialSolutionTestTest, PhasesAreOneWhenAlikeInVolumeAndNearTheMixture) {
  const Composition z = Mixture({{H2O, 1e-5}, {CH4, 0.69999}, {C2H6, 0.3}});
  Composition x = z, y = z;
  y[H2O] = 3e-7;  // a trace listed first
  EXPECT_TRUE(TrivialSolutionTest(z, x, y, 100.0, 100.5));
  EXPECT_FALSE(TrivialSolutionTest(z, x, y, 62.43, 285.94)) << "volumes far apart";
  EXPECT_FALSE(TrivialSolutionTest(z, x, y, 100.0, 99.0)) << "1 % of V_X is not below 1 %";
  EXPECT_FALSE(TrivialSolutionTest(z, x, y, 0.0, 0.0)) << "no Phase X volume";
  x[C2H6] = 0.3075;
  y[C2H6] = 0.2925;
  EXPECT_TRUE(TrivialSolutionTest(z, x, y, 100.0, 100.5)) << "closing in from either side";
  x[C2H6] = 0.3125;
  EXPECT_FALSE(TrivialSolutionTest(z, x, y, 100.0, 100.5)) << "a phase 0.0125 away";
  const Composition methane = Pure(CH4);
  EXPECT_FALSE(TrivialSolutionTest(z, methane, methane, 100.0, 100.0)) << "one phase, not the mixture";

  const Composition pure = Pure(CO2);
  EXPECT_FALSE(TrivialSolutionTest(pure, pure, pure, 100.0, 200.0)) << "pure: volumes only";
  EXPECT_TRUE(TrivialSolutionTest(pure, pure, pure, 100.0, 100.5));
  EXPECT_FALSE(TrivialSolutionTest(Composition{}, x, x, 100.0, 100.0)) << "no component present";
}

// Methane dissolved in liquid water, coefficient 900: Phase X's fugacities
// sum to 0.900999, so 1e-9 of it allows a gap of 9.00999e-10; compositions on
// the 1e-12 grid add 1e-12 (900 + 0.9009) = 9.009e-10 for methane.
TEST(FugacitiesAgreeTest, AllowsTheGridsShareOfALargeCoefficientAndNoMore) {
  PhasePair phases;
  phases.volumeX = 20.0;
  phases.volumeY = 300.0;
  phases.phiX[H2O] = 0.001;
  phases.phiX[CH4] = 900.0;
  phases.phiY[H2O] = 0.999;
  const auto agree = [&](double methaneGap, double grid) {
    phases.phiY[CH4] = (0.9 + methaneGap) / 0.999;
    return FugacitiesAgree(Binary(H2O, 0.1, CH4), Binary(H2O, 0.999, CH4), Binary(H2O, 0.001, CH4),
                           phases, grid);
  };
  EXPECT_TRUE(agree(8e-10, 0.0));
  EXPECT_FALSE(agree(9.2e-10, 0.0));
  EXPECT_TRUE(agree(1.78e-9, kGrid));
  EXPECT_FALSE(agree(1.82e-9, kGrid));
  EXPECT_FALSE(agree(NAN, kGrid));
}

TEST(CompositionStepTest, AllOfTheMixtureInOnePhaseIsTheMixtureWhateverK) {
  const Composition z = Binary(CO, 0.9, nC8H18);
  Composition K{};
  K[CO] = 1.125;
  K[nC8H18] = 2e-26;  // 1 + (K - 1) would be 0
  Composition x{}, y{};
  CompositionStep(z, K, 1.0, x, y);
  EXPECT_DOUBLE_EQ(y[CO], 0.9);
  EXPECT_DOUBLE_EQ(y[nC8H18], 0.1);
  EXPECT_DOUBLE_EQ(x[nC8H18], 0.1 / 2e-26);
  CompositionStep(z, K, 0.0, x, y);
  EXPECT_EQ(x, z);
}

TEST(CompositionStepTest, SplitsTheMixtureByItsShareInPhaseY) {
  const Composition z = Binary(CO2, 0.3, CH4);
  Composition K{};
  K[CO2] = 0.5;
  K[CH4] = 3.0;
  K[N2] = 7.0;  // absent: stays out of both phases
  Composition x{}, y{};
  CompositionStep(z, K, 0.25, x, y);
  for (int i : {CO2, CH4}) {
    EXPECT_DOUBLE_EQ(0.75 * x[i] + 0.25 * y[i], z[i]);
    EXPECT_DOUBLE_EQ(y[i], K[i] * x[i]);
  }
  EXPECT_EQ(x[N2], 0.0);
  EXPECT_EQ(y[N2], 0.0);
  CompositionStep(z, K, -1.0, x, y);  // 1 - (3 - 1) < 0 for CH4: its x is z
  EXPECT_EQ(x[CH4], z[CH4]);
  EXPECT_EQ(y[CH4], 3.0 * z[CH4]);
}

TEST(HomogenizationSearchTest, BubblePointsOfCarbonDioxideAndMethane) {
  struct Known {
    double T, xCO2, P, yCO2;
  };
  for (const Known& known : {Known{250.0, 0.8, 5.20587028631, 0.505201098695},
                             Known{220.0, 0.6, 4.78458392647, 0.236048735085}}) {
    Engine engine;
    const PhaseSplit found = BubblePoint(engine, Binary(CO2, known.xCO2, CH4), known.T);
    EXPECT_FALSE(found.run.Failed());
    EXPECT_NEAR(found.run.point, known.P, 1e-8 * known.P);
    EXPECT_NEAR(found.y[CO2], known.yCO2, 1e-8);
    EXPECT_NEAR(found.x[CO2], known.xCO2, 1e-12);
    EXPECT_LT(found.phases.volumeX, found.phases.volumeY);
  }
}

TEST(HomogenizationSearchTest, DewPointOfTheIncipientVapourGivesBackTheLiquid) {
  Engine engine;
  const PhaseSplit bubble = BubblePoint(engine, Binary(CO2, 0.8, CH4), 250.0);
  const HomogenizationSetup dew = PressureSearchFromRaoult(engine, bubble.y, 250.0, 1.0);
  const PhaseSplit found = HomogenizationSearch(engine, dew, NoYield);
  EXPECT_FALSE(found.run.Failed());
  EXPECT_NEAR(found.run.point, bubble.run.point, 1e-8 * bubble.run.point);
  EXPECT_NEAR(found.x[CO2], 0.8, 1e-8);

  // The same point with the pressure given: the temperature sought is 250 K.
  HomogenizationSetup byTemperature = dew;
  byTemperature.pressureSought = false;
  byTemperature.givenP = bubble.run.point;
  byTemperature.start = 255.0;
  const PhaseSplit t = HomogenizationSearch(engine, byTemperature, NoYield);
  EXPECT_FALSE(t.run.Failed());
  EXPECT_NEAR(t.run.point, 250.0, 1e-6);
}

// Near a critical point the compositions settle slowly while the sum
// difference is already 0 or the pressure no longer moves: such a stop is a
// solution only once both phases have one fugacity per component. A solution
// shown agrees, in pressure and incipient phase, with a 30-digit
// equal-fugacity solve apart from the search (P 0: none was found there).
TEST(HomogenizationSearchTest, ReportsASolutionOnlyWhereTheFugacitiesAgree) {
  struct Case {  // start 0: the Raoult pressure; incipient: the fraction of component there
    Composition z;
    double T, split, start, P;
    int component;
    double incipient;
  };
  const Case cases[] = {
      {Binary(CH4, 0.8324, nC4H10), 258.47, 0.0, 11.43854, 11.2142596581, CH4, 0.860186389},
      {Binary(CH4, 0.8324, nC4H10), 258.47, 1.0, 11.43854, 0.0, CH4, 0.0},
      {Binary(CO2, 0.0547, CH4), 177.66, 1.0, 0.0, 2.24339021162, CO2, 0.356177778171},
      {Binary(CO, 0.9, nC8H18), 80.0, 1.0, 0.0, 0.0, CO, 0.0}};
  for (const Case& c : cases) {
    Engine engine;
    HomogenizationSetup setup = PressureSearchFromRaoult(engine, c.z, c.T, c.split);
    if (c.start > 0.0) setup.start = c.start;
    const PhaseSplit found = HomogenizationSearch(engine, setup, NoYield);
    const Composition& whole = c.split == 1.0 ? found.y : found.x;
    for (int i = 0; i < ComponentCount; ++i)
      EXPECT_NEAR(whole[i], c.z[i], 1e-12) << "the phase that is the mixture, at " << c.T << " K";
    EXPECT_EQ(found.run.Failed(), c.P == 0.0) << c.T << " K, split " << c.split;
    if (found.run.Failed()) continue;
    const Composition& incipient = c.split == 1.0 ? found.x : found.y;
    EXPECT_NEAR(found.P, c.P, 1e-8 * c.P) << c.T << " K";
    EXPECT_NEAR(incipient[c.component], c.incipient, 1e-6) << c.T << " K";
  }
}

// Beyond the Normaliser's range the phase is rescaled through its largest
// entry, and the sum it returns is the phase's own: 6e5 + 2e5.
TEST(NormaliseWideTest, ReturnsTheWholeSumOfAPhaseBeyondTheFixedPointRange) {
  Engine engine;
  Composition x{};
  x[H2O] = 6e5;
  x[CH4] = 2e5;
  EXPECT_NEAR(NormaliseWide(engine, x), 8e5, 8e5 * 1e-12);
  EXPECT_NEAR(x[H2O], 0.75, 1e-12);
  EXPECT_NEAR(x[CH4], 0.25, 1e-12);
  x[CO2] = INFINITY;
  EXPECT_TRUE(std::isnan(NormaliseWide(engine, x)));
  EXPECT_NEAR(x[H2O], 0.75, 1e-12) << "a phase that cannot be rescaled stays";
}

// Dew points of methane with water from the window's start. Each pressure and
// the methane dissolved in the liquid water are an equal-fugacity solve apart
// from the search; the plain stop (a zero residual or a vanishing step,
// nothing checked) needs 47, 45 and 47 passes. A gas dissolved in liquid water
// has a coefficient in the hundreds, so its fraction there is known only to
// the fixed-point grid.
TEST(HomogenizationSearchTest, WaterDewPointsOfMethaneAreFoundAsFastAsThePlainStop) {
  struct Known {
    double water, T, P, dissolved;
    int plainPasses;
  };
  for (const Known& k : {Known{0.0043, 300.0, 8.95006741473, 2.28841931389e-4, 47},
                         Known{0.0011, 272.0, 6.00717503896, 5.94554675062e-5, 45},
                         Known{0.0025, 288.0, 7.82114532832, 1.35674822594e-4, 47}}) {
    Engine engine;
    const Composition z = Mixture({{CH4, 1.0 - k.water}, {H2O, k.water}});
    const PhaseSplit found =
        HomogenizationSearch(engine, PressureSearchFromRaoult(engine, z, k.T, 1.0), NoYield);
    ASSERT_FALSE(found.run.Failed()) << k.T;
    EXPECT_NEAR(found.run.point, k.P, 1e-10 * k.P) << k.T;
    EXPECT_LE(found.run.lastPass, 2 * k.plainPasses + 20) << k.T;
    EXPECT_NEAR(found.x[CH4], k.dissolved, 1e-12) << "the phases shown are in equilibrium";
    const PhasePair shown = EvaluatePhases(engine, found.x, found.y, found.T, found.P);
    EXPECT_EQ(shown.phiX, found.phases.phiX) << "the compositions shown are those judged";
    EXPECT_EQ(shown.phiY, found.phases.phiY);
    EXPECT_GT(found.x[H2O], 0.99) << "liquid water";
  }
}

// A trace listed first, or a mixture that is nearly one component, splits into
// two phases of different volumes: a solution, not one phase twice. Pressures
// from the long-double equal-fugacity solve.
TEST(HomogenizationSearchTest, ASplitIsASolutionWhicheverComponentComesFirst) {
  struct Known {
    Composition z;
    double T, P;
  };
  for (const Known& k : {Known{Mixture({{H2O, 1e-5}, {CH4, 0.69999}, {C2H6, 0.3}}), 200.0, 3.75333082249},
                         Known{Mixture({{CO2, 0.999999999999}, {CH4, 1e-12}}), 250.0, 2.13234799664}}) {
    Engine engine;
    const PhaseSplit found = BubblePoint(engine, k.z, k.T);
    ASSERT_FALSE(found.run.Failed()) << k.T;
    EXPECT_NEAR(found.run.point, k.P, 1e-9 * k.P);
    EXPECT_FALSE(TrivialSolutionTest(k.z, found.x, found.y, found.phases.volumeX, found.phases.volumeY));
    EXPECT_GT(found.phases.volumeY, 4.0 * found.phases.volumeX);
  }
}

// The liquid and its incipient neon-rich gas share a molar volume to 0.02 %:
// a split all the same, its fugacities equal at compositions far apart. An
// independent 30-digit bubble point solve gives 34.5063016136 MPa, Ne 0.973091685.
TEST(HomogenizationSearchTest, PhasesOfOneMolarVolumeFarApartInCompositionAreASplit) {
  Engine engine;
  const Composition z = Mixture({{CO2, 0.4293}, {Ne, 0.3002}, {nC4H10, 0.2705}});
  const PhaseSplit found = BubblePoint(engine, z, 175.2);
  ASSERT_EQ(found.run.outcome, SearchOutcome::Converged);
  EXPECT_NEAR(found.run.point, 34.5063016136, 1e-9 * 34.5063016136);
  EXPECT_NEAR(found.y[Ne], 0.973091685, 1e-8);
  EXPECT_NEAR(found.phases.volumeY, found.phases.volumeX, 1e-3 * found.phases.volumeX);
}

// A dew point of this mixture is sought at a temperature where the search
// loses the split and creeps towards one phase: it ends there at its first
// stop, as one phase, long before the pass limit.
TEST(HomogenizationSearchTest, ASearchThatLosesTheSplitEndsAtOnePhase) {
  Engine engine;
  const Composition z = Binary(CO2, 0.697, nC4H10);
  const PhaseSplit found =
      HomogenizationSearch(engine, PressureSearchFromRaoult(engine, z, 257.36, 1.0), NoYield);
  EXPECT_EQ(found.run.outcome, SearchOutcome::OnePhase);
  EXPECT_TRUE(found.run.Failed());
  EXPECT_LT(found.run.lastPass, 1000);
}

TEST(LiquidVapourSearchTest, PureCarbonDioxideSplitsAtItsSaturationPressure) {
  const double T = 273.15;
  const double saturation = SaturationByEqualFugacity(CO2, T, 2.0, 6.0);
  Engine engine;
  const Composition z = Pure(CO2);
  const double P0 = MeanRaoultPressure(engine, z, T);
  const FirstApproach first = LiquidVapourFirstApproach(engine, z, T, P0);
  const LiquidVapourSplit found =
      LiquidVapourSearch(engine, {z, first.K, 150.0, T, P0, 0.5}, NoYield);
  ASSERT_TRUE(found.started);
  EXPECT_FALSE(found.split.run.Failed());
  EXPECT_NEAR(found.split.run.point, saturation, 1e-9 * saturation);
  // The two phases fill the volume: (1 - w) of it at V_X, w at V_Y, in moles 1.
  const double vx = found.split.phases.volumeX, vy = found.split.phases.volumeY;
  const double w = found.vapourFraction;
  EXPECT_GT(w, 0.0);
  EXPECT_LT(w, 1.0);
  EXPECT_NEAR((1.0 - w) * 150.0 / vx + w * 150.0 / vy, 1.0, 1e-12);
}

TEST(LiquidVapourSearchTest, StartsNoPassWhenTheKValuesGiveNoPhaseY) {
  Engine engine;
  const LiquidVapourSplit found =
      LiquidVapourSearch(engine, {Binary(CO2, 0.5, CH4), Composition{}, 150.0, 250.0, 5.0, 0.5},
                         [] { ADD_FAILURE() << "no pass may run"; });
  EXPECT_FALSE(found.started);
}

// At 15 K the coefficient of water in its liquid underflows: the first pass's
// phases cannot be rescaled, and the search ends as diverged with the start
// compositions.
TEST(LiquidVapourSearchTest, APassWhosePhaseSumsCannotDivideEndsWithThePhasesBefore) {
  Engine engine;
  const Composition z = Binary(H2O, 0.5, CO);
  const FirstApproach first = LiquidVapourFirstApproach(engine, z, 15.0, 1.0);
  const LiquidVapourSplit found = LiquidVapourSearch(engine, {z, first.K, 40.0, 15.0, 1.0, 0.5}, NoYield);
  ASSERT_TRUE(found.started);
  EXPECT_EQ(found.split.run.outcome, SearchOutcome::Diverged);
  double sumX = 0.0, sumY = 0.0;
  for (int i = 0; i < ComponentCount; ++i) {
    sumX += found.split.x[i];
    sumY += found.split.y[i];
  }
  EXPECT_NEAR(sumX, 1.0, 1e-15);
  EXPECT_NEAR(sumY, 1.0, 1e-15);
}

// A gas from 1e300 cm3/mol, where the attraction term and both terms of ∂P/∂V
// are 0, up to the largest double, where 2V + b does not fit in one, is one
// phase at R·T/V.
TEST(OnePhaseStateTest, ADiluteGasIsOnePhase) {
  Engine engine;
  for (const double volume : {1e300, 0x1p1023, std::numeric_limits<double>::max()}) {
    const std::optional<PhaseSplit> gas = OnePhaseState(engine, Binary(CO2, 0.8, N2), volume, 300.0);
    ASSERT_TRUE(gas.has_value()) << volume;
    EXPECT_NEAR(gas->P, 8.314472 * 300.0 / volume, 1e-12 * gas->P) << volume;
  }
}
