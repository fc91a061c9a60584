// The Helmholtz energy of a mixture at fixed temperature, written apart from
// the code under test and evaluated in long double, and central differences
// of it: the reference for every derivative matrix.
#pragma once

#include <cmath>
#include <vector>

#include "engine/Globals.h"

namespace stability_test {

using Real = long double;
using Point = std::vector<Real>;  // (V, n_1, ..., n_{N-1}); n_0 is held fixed

// A(V, n) = R·T·Σ n_i·ln n_i − n·R·T·ln(V − B) − (D/(B·√T))·ln(1 + B/V), J,
// over the components of x above 0, with a(i, j) and b_i from the engine.
class HelmholtzReference {
 public:
  HelmholtzReference(Engine& engine, const Composition& x, Real T) : T_(T) {
    engine.aMixture(x);
    engine.bMixture(x);
    for (int k = 0; k < ComponentCount; ++k)
      if (x[k] > 0.0) present_.push_back(k);
    for (int i : present_) {
      x_.push_back(x[i]);
      b_.push_back(engine.b[i]);
      a_.emplace_back();
      for (int j : present_) a_.back().push_back(engine.a[i][j]);
    }
  }

  // The point of one mole of x at molar volume V.
  Point At(Real V) const {
    Point z{V};
    for (std::size_t c = 1; c < x_.size(); ++c) z.push_back(x_[c]);
    return z;
  }

  Real operator()(const Point& z) const {
    std::vector<Real> n = {x_[0]};
    n.insert(n.end(), z.begin() + 1, z.end());
    const Real V = z[0];
    Real total = 0, B = 0, D = 0, mixing = 0;
    for (std::size_t i = 0; i < n.size(); ++i) {
      total += n[i];
      B += n[i] * b_[i];
      mixing += n[i] * std::log(n[i]);
      for (std::size_t j = 0; j < n.size(); ++j) D += n[i] * n[j] * a_[i][j];
    }
    const Real RT = static_cast<Real>(R) * T_;
    return RT * mixing - total * RT * std::log(V - B) - D / (B * std::sqrt(T_)) * std::log(1 + B / V);
  }

  int Count() const { return static_cast<int>(present_.size()); }

 private:
  Real T_;
  std::vector<int> present_;
  std::vector<Real> x_, b_;
  std::vector<std::vector<Real>> a_;
};

// ∂f/∂z_p ∂z_q ... at z for the coordinates in `which`, by one central
// difference per coordinate, with the step h[p] for coordinate p.
template <class F>
Real CentralDifference(const F& f, const Point& z, std::vector<int> which, const Point& h) {
  if (which.empty()) return f(z);
  const int p = which.back();
  which.pop_back();
  Point up = z, down = z;
  up[p] += h[p];
  down[p] -= h[p];
  return (CentralDifference(f, up, which, h) - CentralDifference(f, down, which, h)) / (2 * h[p]);
}

// The same with Richardson's extrapolation over steps h and h/2, which cancels
// the error of order h²: a thousandth of the volume for V, 1e-3 mol for the amounts.
template <class F>
Real Partial(const F& f, const Point& z, const std::vector<int>& which) {
  Point h(z.size(), 1e-3L);
  h[0] = z[0] * 1e-3L;
  Point half = h;
  for (Real& step : half) step /= 2;
  return (4 * CentralDifference(f, z, which, half) - CentralDifference(f, z, which, h)) / 3;
}

}  // namespace stability_test
