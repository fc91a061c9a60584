#include "engine/Services.h"

#include <cmath>
#include <limits>

std::int64_t DoubleToInt64(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::round(value);  // halves away from zero
  // 2^63 is exact as a double; every double below it (and at or above -2^63)
  // converts without overflow.
  constexpr double twoTo63 = 9223372036854775808.0;
  if (rounded >= twoTo63) return std::numeric_limits<std::int64_t>::max();
  if (rounded < -twoTo63) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(rounded);
}

double Int64ToDouble(std::int64_t value) { return static_cast<double>(value); }

void SetBackgroundTaskHook(void (*hook)()) { engine_detail::backgroundTaskHook = hook; }
