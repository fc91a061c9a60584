// The Redlich-Kwong molar volume and fugacity coefficients written as plainly
// and leanly as they can be: the per-component parameters held as constants,
// the mixing sums over the present components, the closed-form cubic and the
// ln φ sums. The engine is measured against it in the same run.
#pragma once

#include <array>
#include <cmath>
#include <numbers>

#include "engine/Globals.h"

namespace lean {

using Matrix = std::array<std::array<double, 21>, 21>;

struct Parameters {
  Matrix a;                  // a(i, j), MPa cm6 K^0.5/mol2
  std::array<double, 21> b;  // b_i, cm3/mol
};

// The engine's per-component parameters, taken once.
inline Parameters TakeParameters() {
  Engine engine;
  Composition all;
  all.fill(1.0);
  engine.aMixture(all);
  engine.bMixture(all);
  return {engine.a, engine.b};
}

struct Present {
  int count = 0;
  std::array<int, 21> index{};
};

inline Present PresentComponents(const Composition& x) {
  Present p;
  for (int i = 0; i < 21; ++i)
    if (x[i] > 0.0) p.index[p.count++] = i;
  return p;
}

// The mixture's a (MPa cm6 K^0.5/mol2) and b (cm3/mol), and s_i = Σ_j x_j a(i, j).
struct Mixture {
  double a = 0.0;
  double b = 0.0;
  std::array<double, 21> s{};
};

inline Mixture Mix(const Parameters& k, const Composition& x, const Present& p, bool everyComponent) {
  Mixture m;
  for (int i = 0; i < 21; ++i) {
    if (!everyComponent && !(x[i] > 0.0)) continue;
    double s = 0.0;
    for (int n = 0; n < p.count; ++n) s += x[p.index[n]] * k.a[i][p.index[n]];
    m.s[i] = s;
  }
  for (int n = 0; n < p.count; ++n) {
    const int i = p.index[n];
    m.a += x[i] * m.s[i];
    m.b += x[i] * k.b[i];
  }
  return m;
}

// Roots of t^3 + c1 t^2 + c2 t + c3 = 0, arranged as the engine arranges them.
inline CubicRoots Cubic(double c1, double c2, double c3) {
  CubicRoots r{};
  const double p = (3.0 * c2 - c1 * c1) / 3.0;
  const double q = (2.0 * c1 * c1 * c1 - 9.0 * c1 * c2 + 27.0 * c3) / 27.0;
  if (p > 0.0) {
    const double m = 2.0 * std::sqrt(p / 3.0);
    const double c = 3.0 * q / (p * m);
    const double w = c + std::sqrt(c * c + 1.0);
    const double u = std::pow(w, 1.0 / 3.0), v = std::pow(w, -1.0 / 3.0);
    const double A = (u + v) * std::sqrt(3.0) / 4.0, B = -(u - v) / 4.0;
    r[0] = {2.0 * B * m, -B * m, -B * m};
    r[1] = {0.0, -A * m, A * m};
  } else {
    const double s = std::sqrt(-p / 3.0);
    const double m = 2.0 * s;
    const double c = 3.0 * q / (2.0 * p * s);
    if (std::abs(c) > 1.0) {
      const double w = std::abs(c) + std::sqrt(c * c - 1.0);
      const double u = std::pow(w, 1.0 / 3.0), v = std::pow(w, -1.0 / 3.0);
      const double sign = c < 0.0 ? 1.0 : -1.0;
      r[0] = {-2.0 * sign * (u + v) / 4.0 * m, sign * (u + v) / 4.0 * m, sign * (u + v) / 4.0 * m};
      r[1] = {0.0, sign * (u - v) * std::sqrt(3.0) / 4.0 * m, -sign * (u - v) * std::sqrt(3.0) / 4.0 * m};
    } else {
      const double theta = std::acos(c);
      constexpr double pi = std::numbers::pi;
      r[0] = {m * std::cos((theta + 4.0 * pi) / 3.0), m * std::cos((theta + 2.0 * pi) / 3.0), m * std::cos(theta / 3.0)};
    }
  }
  for (double& re : r[0]) re -= c1 / 3.0;
  return r;
}

// The roots V (cm3/mol) of the Redlich-Kwong cubic at T (K) and P (MPa).
inline CubicRoots Volume(const Parameters& k, const Composition& x, double T, double P) {
  const Mixture m = Mix(k, x, PresentComponents(x), false);
  const double pst = P * std::sqrt(T);
  return Cubic(-R * T / P, -m.b * m.b - R * T * m.b / P + m.a / pst, -m.a * m.b / pst);
}

// φ_i of all 21 components at T (K), P (MPa) and V (cm3/mol).
inline std::array<double, 21> Coefficients(const Parameters& k, const Composition& x, double T, double P, double V) {
  const Mixture m = Mix(k, x, PresentComponents(x), true);
  const double sqrtT = std::sqrt(T);
  const double repulsion = std::log(V / (V - m.b)) - std::log(P * V / (R * T));
  const double lnPlus = std::log((V + m.b) / V);
  const double attraction = lnPlus / (m.b * R * T * sqrtT);
  const double cross = m.a * (lnPlus - m.b / (V + m.b)) / (m.b * m.b * R * T * sqrtT);
  std::array<double, 21> phi;
  for (int i = 0; i < 21; ++i)
    phi[i] = std::exp(repulsion + k.b[i] / (V - m.b) - 2.0 * m.s[i] * attraction + k.b[i] * cross);
  return phi;
}

}  // namespace lean
