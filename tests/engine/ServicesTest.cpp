#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

TEST(BackgroundTask, EngineLoopsCallTheHookAndTheDefaultIsANoOp) {
  Engine engine;
  RuntimeBackgroundTask();  // no hook: nothing happens
  hookCalls = 0;
  SetBackgroundTaskHook(&CountCall);
  const double withHook = engine.aMixture(engine_test::EqualParts());
  SetBackgroundTaskHook(nullptr);
  EXPECT_GE(hookCalls, ComponentCount);  // at least once per component pass
  const int afterReset = hookCalls;
  EXPECT_EQ(engine.aMixture(engine_test::EqualParts()), withHook);  // the yield changes no value
  EXPECT_EQ(hookCalls, afterReset);
}

}  // namespace
