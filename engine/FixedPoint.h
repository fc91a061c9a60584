// The fixed-point tests on a fraction without converting it to an integer.
// FixedPointFraction rounds factor·x to the nearest integer, halves away from
// zero, so the tests reduce to comparisons of that product.
#pragma once

#include <cstdint>

// FixedPointFraction(x) > 0: the product rounds to 1 or more (NaN fails).
inline bool PositiveAtFixedPoint(std::int64_t precisionFactor, double x) {
  return static_cast<double>(precisionFactor) * x >= 0.5;
}

// FixedPointFraction(x) == precisionFactor: the product lies within half a unit
// of the factor (a pure substance). Exact for factors up to 2^52.
inline bool WholeAtFixedPoint(std::int64_t precisionFactor, double x) {
  const double factor = static_cast<double>(precisionFactor);
  const double product = factor * x;
  return product >= factor - 0.5 && product < factor + 0.5;
}
