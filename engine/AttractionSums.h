// The attraction sums of the mixing rule, which the fugacity coefficients reuse.
#pragma once

#include <array>
#include <cstddef>

#include "engine/Globals.h"

// Σ_j x_j a(j, i) for every column i of `a`, over the components j with x_j > 0
// (fractions that are zero, negative or NaN count as absent), each sum in
// ascending j. The columns are summed side by side, which keeps the mixture's
// 441 terms off one long chain of dependent additions; rows whose width is a
// whole number of vector lanes let the compiler sum several columns at once.
template <std::size_t Width>
std::array<double, Width> ColumnSums(const std::array<std::array<double, Width>, 21>& a, const Composition& x) {
  std::array<double, Width> sums{};
  for (int j = 0; j < ComponentCount; ++j) {
    if (!(x[j] > 0.0)) continue;
    const double xj = x[j];
    const auto& row = a[j];
    for (std::size_t i = 0; i < Width; ++i) sums[i] += xj * row[i];
  }
  return sums;
}
