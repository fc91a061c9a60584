#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "engine/Globals.h"
#include "engine/Services.h"
#include "EngineTestSupport.h"

namespace {

constexpr auto int64Max = std::numeric_limits<std::int64_t>::max();
constexpr auto int64Min = std::numeric_limits<std::int64_t>::min();

TEST(DoubleToInt64, RoundsToNearestWithHalvesAwayFromZero) {
  EXPECT_EQ(DoubleToInt64(2.5), 3);
  EXPECT_EQ(DoubleToInt64(-2.5), -3);
  EXPECT_EQ(DoubleToInt64(299999999999.99994), 300000000000);
}

TEST(DoubleToInt64, NeverOverflows) {
  EXPECT_EQ(DoubleToInt64(std::nan("")), 0);
  EXPECT_EQ(DoubleToInt64(std::numeric_limits<double>::infinity()), int64Max);
  EXPECT_EQ(DoubleToInt64(-std::numeric_limits<double>::infinity()), int64Min);
  EXPECT_EQ(DoubleToInt64(9223372036854775808.0), int64Max);
  EXPECT_EQ(DoubleToInt64(-9223372036854775808.0), int64Min);
  EXPECT_EQ(DoubleToInt64(1e300), int64Max);
  EXPECT_EQ(DoubleToInt64(9223372036854774784.0), 9223372036854774784);  // largest double below 2^63
}

TEST(FixedPointFraction, RoundsTheScaledFraction) {
  Engine engine;
  EXPECT_EQ(engine.PrecisionFactor, 1'000'000'000'000);
  EXPECT_EQ(engine.FixedPointFraction(1.0), engine.PrecisionFactor);
  EXPECT_EQ(engine.FixedPointFraction(0.3), 300000000000);  // 0.3e12 is 299999999999.99994 as a double
  EXPECT_EQ(engine.FixedPointFraction(1e-13), 0);
  EXPECT_EQ(engine.FixedPointFraction(-1e-6), -1000000);
}

int hookCalls = 0;
void CountCall() { ++hookCalls; }

// Long loops yield once per pass; the sub-microsecond sums inside them never do.
TEST(BackgroundTask, LongLoopsCallTheHookOncePerPassAndTheDefaultIsANoOp) {
  Engine engine;
  RuntimeBackgroundTask();  // no hook: nothing happens
  const Composition x = engine_test::EqualParts();
  hookCalls = 0;
  SetBackgroundTaskHook(&CountCall);
  const double a = engine.aMixture(x);
  const int inMixingRule = hookCalls;
  const double excess = engine.Excess(0, x, 350.0, 5.0, 300.0);
  const int inExcess = hookCalls - inMixingRule;
  const std::optional<double> T = engine.Temperature(x, 5.0, 200.0);
  const int inSearch = hookCalls - inMixingRule - inExcess;
  SetBackgroundTaskHook(nullptr);
  EXPECT_EQ(inMixingRule, 0);
  EXPECT_EQ(inExcess, ComponentCount);  // its outer loop over the components
  EXPECT_GE(inSearch, 1);
  // The yield changes no value.
  EXPECT_EQ(engine.aMixture(x), a);
  EXPECT_EQ(engine.Excess(0, x, 350.0, 5.0, 300.0), excess);
  EXPECT_EQ(engine.Temperature(x, 5.0, 200.0), T);
}

}  // namespace
