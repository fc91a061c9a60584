// The spinodal temperature of a mixture at a given molar volume.
#pragma once

#include <array>
#include <functional>
#include <span>

#include "stability/MixtureTerms.h"

namespace stability {

// The cooperative yield that the long searches call once per pass.
using Yield = std::function<void()>;

// det Q of the spinodal matrix at T (K) and V (cm3/mol), uncut, taken over the
// free volume (SpinodalMatrixOverFreeVolume) so that it keeps its digits near
// the co-volume.
double SpinodalDeterminant(const MixtureTerms& m, double T, double V);

// The temperature (K) at which det Q of the spinodal matrix vanishes at V
// (cm3/mol), by a secant search in T from T0 (K) and 0.99·T0 whose step is
// clamped to a tenth of the current temperature. A step shorter than a relative
// 1e-13 is lengthened to it, so that it crosses a root that the secant puts
// closer. Succeeds on a zero residual, or on such a step across which the
// residual changes sign; never on a small step alone, which a secant through
// two far points of a steep determinant also takes far from any root (it goes
// on from there with the local slope). Fails (0) on a residual that is not
// finite, equal residuals at two temperatures (no step, no root), a step of
// 1e300 or more, a temperature of 0, a T0 not above 0, or 1001 passes without
// success. The residual is the uncut determinant, so that its sign is seen at
// any scale.
double SpinDetSolution(const MixtureTerms& m, double T0, double V, const Yield& yield);

// The start temperatures (K) of the spinodal window's ladder.
inline constexpr std::array<double, 3> kSpinodalStarts = {1000.0, 500.0, 250.0};
// The start temperatures (K) of the critical-point search and the analysis table.
inline constexpr std::array<double, 3> kCriticalStarts = {1000.0, 600.0, 300.0};

// SpinDetSolution from each start temperature in turn until a result of at
// least 0.1 K, which it returns; 0 when every start fails, and at once (no
// search) when V is not above the mixture's co-volume.
double SpinodalLadder(const MixtureTerms& m, double V, std::span<const double> starts,
                      const Yield& yield);

}  // namespace stability
