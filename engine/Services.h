// Services the engine takes from its host: the double <-> 64-bit integer
// conversions of the fixed-point fractions, and the cooperative yield.
#pragma once

#include <cstdint>

// Rounds to the nearest integer, halves away from zero (2.5 -> 3, -2.5 -> -3).
// NaN gives 0. Values beyond the range of std::int64_t are clamped to its
// smallest or largest value (+inf gives INT64_MAX, -inf gives INT64_MIN); callers
// that must not accept such values test the input range themselves.
std::int64_t DoubleToInt64(double value);

// The nearest double; exact for every magnitude up to 2^53.
double Int64ToDouble(std::int64_t value);

namespace engine_detail {
// The hook that RuntimeBackgroundTask calls; null means "do nothing".
inline void (*backgroundTaskHook)() = nullptr;
}  // namespace engine_detail

// Sets the function that RuntimeBackgroundTask calls (nullptr restores the
// no-op). The application installs one that lets windows repaint.
void SetBackgroundTaskHook(void (*hook)());

// The cooperative yield: the loops that can run long (the passes of a search,
// the rows of a table, the outer loop over the components of the excess
// properties) call it once per pass; the sub-microsecond loops inside them never
// do. It changes no value of the engine.
inline void RuntimeBackgroundTask() {
  if (engine_detail::backgroundTaskHook != nullptr) engine_detail::backgroundTaskHook();
}
