// What the stability matrices need of one composition, mixed once and passed
// down: the present components and their parameters, and the mixture's a and b.
//
// The matrices hold derivatives of the Helmholtz energy of the mixture at
// fixed temperature as a function of the volume and the amounts n_i of the
// present components,
//   A(V, n) = R·T·Σ n_i·ln n_i − n·R·T·ln(V − B) − (D / (B·√T))·ln(1 + B/V),
// n = Σ n_i, B = Σ n_i·b_i, D = Σ_i Σ_j n_i·n_j·a(i,j), taken at n_i = x_i
// (so n = 1, B = b and D = a for fractions that sum to one). Their rows and
// columns are: 0 the volume, c = 1..N-1 the amount of present component c; the
// amount of present component 0 (the lowest ComponentIndex) is held fixed.
#pragma once

#include <array>
#include <optional>

#include "engine/Globals.h"

namespace stability {

struct MixtureTerms {
  Composition composition{};  // the mole fractions the terms were mixed from
  int count = 0;              // N, the number of present components (fraction above 0)
  std::array<int, 21> component{};   // ComponentIndex of present component c
  std::array<double, 21> x{};        // its fraction
  std::array<double, 21> b{};        // its co-volume b_i, cm3/mol
  std::array<std::array<double, 21>, 21> a{};  // a(i_c, i_d), MPa·cm6·K^0.5/mol2
  std::array<double, 21> S{};        // S_i = Σ_j 2·x_j·a(i, j) = ∂D/∂n_i, MPa·cm6·K^0.5/mol2
  double amix = 0.0;  // the mixture's a, MPa·cm6·K^0.5/mol2
  double bmix = 0.0;  // the mixture's b (co-volume), cm3/mol

  // The present component c of component index k, or -1 when k is absent.
  int PresentIndexOf(int k) const;
};

// Mixes the terms of x with `engine` (aMixture, then bMixture, which refill
// engine.a and engine.b). Empty when no component of x is above 0: such a
// composition has no state and no matrix.
std::optional<MixtureTerms> MixTerms(Engine& engine, const Composition& x);

// The terms that depend on the state (T in K, V in cm3/mol): √T, R·T in J/mol
// and L = ln((V + b)/V).
struct StateTerms {
  double V, b, sqrtT, RT, L;
};
StateTerms StateOf(const MixtureTerms& m, double T, double V);

}  // namespace stability
