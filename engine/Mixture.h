// The mixing rules as the engine's functions use them: the per-component
// parameters worked out once, and a mixture's a, b and attraction sums in one
// pass over its components.
#pragma once

#include <array>

#include "engine/Globals.h"

namespace mixture {

// Rows of 24: a whole number of vector lanes. Entries 21 to 23 hold 0.
inline constexpr int kRowWidth = 24;
using Row = std::array<double, kRowWidth>;

struct ComponentParameters {
  std::array<Row, 21> a;     // a(i, j), MPa cm6 K^0.5/mol2, symmetric
  std::array<double, 21> b;  // b_i, cm3/mol
};

// Built on first use. Nothing in the building yields: a yield there could run
// a handler that needs the parameters before they exist.
const ComponentParameters& Parameters();

struct Mixed {
  double a = 0.0;  // Σ_i x_i sums_i over the components with x_i > 0, MPa cm6 K^0.5/mol2
  double b = 0.0;  // Σ_i x_i b_i over the same components, cm3/mol
  Row sums{};      // Σ_j x_j a(j, i) over the components j with x_j > 0, for every i
};

Mixed Mix(const Composition& x);
double CoVolume(const Composition& x);  // cm3/mol

}  // namespace mixture
