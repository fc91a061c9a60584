// Shared by the mixing rule and the fugacity coefficients.
#pragma once

#include <array>

#include "engine/Globals.h"

// Σ_j x_j a(j, i) for every i, over the components j with x_j > 0 (fractions
// that are zero, negative or NaN count as absent). The components are summed
// side by side, 21 accumulators at a time, which keeps the mixture's 441 terms
// off one long chain of dependent additions.
Composition AttractionSums(const std::array<std::array<double, 21>, 21>& a, const Composition& x);
