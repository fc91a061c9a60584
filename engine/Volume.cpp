// Roots of the cubic in molar volume, the choice among them, and density.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "engine/ComponentData.h"
#include "engine/Globals.h"
#include "engine/Mixture.h"
#include "engine/RedlichKwong.h"

namespace {

constexpr double oneThird = 0.3333333333333333;
constexpr double pi = std::numbers::pi;
const double sqrt3 = std::sqrt(3.0);

// sqrt(c*c + sign), written so that it neither overflows for huge |c| nor
// loses precision; sign is +1 or -1 (with |c| > 1 for -1).
double HypotenuseLike(double c, double sign) {
  const double ac = std::abs(c);
  if (ac <= 1.0) return std::sqrt(c * c + sign);
  return ac * std::sqrt(1.0 + sign / (ac * ac));
}

// t'^3 + p t' + q = 0 with p = 0: one real cube root and its complex pair.
void SolveZeroP(double q, CubicRoots& r) {
  const double t = std::cbrt(-q);
  r[0] = {t, -t / 2.0, -t / 2.0};
  const double im = std::abs(t) * sqrt3 / 2.0;
  r[1] = {0.0, -im, im};
}

// The solvers of p > 0 and p < 0 return false, solving nothing, when p is so
// small against q that c overflows: the cubic is then t'^3 + q = 0 to within
// rounding.

// p > 0: one real root, hyperbolic form. The cube roots u and 1/u are taken of
// |c| + sqrt(c^2 + 1) and swapped for c < 0, which avoids the cancellation of
// c + sqrt(c^2 + 1) for negative c.
bool SolvePositiveP(double p, double q, CubicRoots& r) {
  const double m = 2.0 * std::sqrt(p / 3.0);
  const double c = 3.0 * q / (p * m);
  if (!std::isfinite(c)) return false;
  const double w = std::abs(c) + HypotenuseLike(c, 1.0);
  double u = std::pow(w, oneThird);
  double v = std::pow(w, -oneThird);
  if (c < 0.0) std::swap(u, v);
  const double A = (u + v) * sqrt3 / 4.0;
  const double B = -(u - v) / 4.0;
  r[0] = {2.0 * B * m, -B * m, -B * m};
  r[1] = {0.0, -A * m, A * m};
  return true;
}

// p < 0: one real root (|c| > 1, hyperbolic form) or three (trigonometric form).
bool SolveNegativeP(double p, double q, CubicRoots& r) {
  const double s = std::sqrt(-p / 3.0);
  const double m = 2.0 * s;
  const double c = 3.0 * q / (2.0 * p * s);
  if (!std::isfinite(c)) return false;
  if (std::abs(c) > 1.0) {
    const double w = std::abs(c) + HypotenuseLike(c, -1.0);
    const double u = std::pow(w, oneThird);
    const double v = std::pow(w, -oneThird);
    const double sign = c < 0.0 ? 1.0 : -1.0;
    r[0][2] = sign * ((u + v) / 4.0) * m;
    r[1][2] = -sign * ((u - v) * sqrt3 / 4.0) * m;
    r[0][1] = r[0][2];
    r[1][1] = -r[1][2];
    r[0][0] = -2.0 * r[0][2];
    r[1][0] = 0.0;
    return true;
  }
  const double theta = std::acos(c);
  r[0] = {m * std::cos((theta + 4.0 * pi) / 3.0), m * std::cos((theta + 2.0 * pi) / 3.0),
          m * std::cos(theta / 3.0)};
  r[1] = {0.0, 0.0, 0.0};
  return true;
}

// Newton steps on the pressure itself, kept only while they reduce the
// residual. The closed form loses relative precision in a small (liquid-like)
// root when R·T/P is large, and the pressure there is steep in V.
double PolishedRoot(double a, double b, double T, double P, double V) {
  double residual = RedlichKwongPressure(a, b, T, V) - P;
  for (int step = 0; step < 10 && residual != 0.0; ++step) {
    const double next = V - residual / RedlichKwongPressureSlope(a, b, T, V);
    if (!(next > b)) break;
    const double nextResidual = RedlichKwongPressure(a, b, T, next) - P;
    if (!(std::abs(nextResidual) < std::abs(residual))) break;
    V = next;
    residual = nextResidual;
  }
  return V;
}

// The closed form gets the two smaller roots as small differences of terms of
// the size of R·T/P, so their error grows as the square of the ratio of the
// largest root to the co-volume. Past this ratio (below about a kPa at room
// temperature) that error reaches the digits shown, and far past it the
// smaller "roots" are no roots at all: the pressure there is nowhere near P,
// or a real pair shows as complex and the other way round. Below it the real
// roots above the co-volume come out right to rounding once polished.
constexpr double illConditionedRatio = 1e5;

// The root of largest magnitude, which the closed form gets accurately: the one
// real root, or of three real roots the smallest or largest, whichever lies
// farther from 0.
double DominantRoot(const CubicRoots& r) {
  if (r[1][1] != 0.0) return r[0][0];
  return std::abs(r[0][1]) > std::abs(r[0][2]) ? r[0][1] : r[0][2];
}

// All three roots of t^3 + c1 t^2 + c2 t + c3 = 0 from its root r of largest
// magnitude. The other two solve t^2 - s t + p = 0 with p = -c3/r and
// s = (c2 - p)/r, neither of which subtracts numbers of the size of r; the
// quadratic is solved in the form that subtracts nothing either. A complex pair
// puts the sign `lowerImaginarySign` on column 1's imaginary part.
CubicRoots RootsBesideDominant(double r, double c2, double c3, double lowerImaginarySign) {
  const double p = -c3 / r;
  const double s = (c2 - p) / r;
  const double discriminant = s * s - 4.0 * p;
  if (discriminant < 0.0) {
    const double imaginary = std::sqrt(-discriminant) / 2.0;
    const double lower = lowerImaginarySign * imaginary;
    return {{{r, s / 2.0, s / 2.0}, {0.0, lower, -lower}}};
  }
  const double q = (s + std::copysign(std::sqrt(discriminant), s)) / 2.0;
  const double other = q == 0.0 ? 0.0 : p / q;  // q = 0 only when both roots are 0
  const double low = std::min(q, other);
  const double high = std::max(q, other);
  // Columns: middle, smallest, largest.
  if (r >= high) return {{{high, low, r}, {0.0, 0.0, 0.0}}};
  if (r <= low) return {{{low, r, high}, {0.0, 0.0, 0.0}}};
  return {{{r, low, high}, {0.0, 0.0, 0.0}}};
}

}  // namespace

CubicRoots Engine::CubicEquation(double c1, double c2, double c3) {
  CubicRoots r{};
  const double p = (3.0 * c2 - c1 * c1) / 3.0;
  const double q = (2.0 * c1 * c1 * c1 - 9.0 * c1 * c2 + 27.0 * c3) / 27.0;
  const bool solved = (p > 0.0 && SolvePositiveP(p, q, r)) || (p < 0.0 && SolveNegativeP(p, q, r));
  if (!solved) SolveZeroP(q, r);
  for (int k = 0; k < 3; ++k) r[0][k] = r[0][k] - c1 / 3.0;
  return r;
}

CubicRoots RedlichKwongRoots(double a, double b, double T, double P) {
  if (P == 0.0) return CubicRoots{};
  const double pst = P * std::sqrt(T);
  const double c2 = -b * b - R * T * b / P + a / pst;
  const double c3 = -a * b / pst;
  CubicRoots roots = Engine::CubicEquation(-R * T / P, c2, c3);
  // At very low pressure the smaller roots are rebuilt from the largest one.
  const double dominant = DominantRoot(roots);
  if (std::isfinite(dominant) && std::abs(dominant) > illConditionedRatio * std::abs(b))
    roots = RootsBesideDominant(dominant, c2, c3, roots[1][1] > 0.0 ? 1.0 : -1.0);
  for (int k = 0; k < 3; ++k)
    if (roots[1][k] == 0.0 && roots[0][k] > b) roots[0][k] = PolishedRoot(a, b, T, P, roots[0][k]);
  return roots;
}

CubicRoots Engine::Volume(const Composition& x, double T, double P) {
  FillConstantTables();
  const mixture::Mixed m = mixture::Mix(x);
  lastVolumeCoVolume_ = m.b;
  return RedlichKwongRoots(m.a, m.b, T, P);
}

double Engine::VolumeChoice(CubicRoots& roots, int rank) {
  return VolumeChoice(roots, rank, lastVolumeCoVolume_);
}

double Engine::VolumeChoice(CubicRoots& roots, int rank, double coVolume) {
  std::array<double, 3> found{};
  int count = 0;
  for (int k = 0; k < 3; ++k) {
    if (roots[1][k] != 0.0) roots[0][k] = 0.0;  // a complex root stands as 0 for the caller
    else if (roots[0][k] > coVolume && std::isfinite(roots[0][k])) found[count++] = roots[0][k];
  }
  if (count == 0) return 0.0;
  for (int k = 1; k < count; ++k)  // largest first
    for (int m = k; m > 0 && found[m] > found[m - 1]; --m) std::swap(found[m], found[m - 1]);
  switch (rank) {
    case 1: return found[count / 2];
    case 2: return found[count - 1];
    default: return found[0];
  }
}

double Engine::Density(const Composition& x, double V) {
  FillConstantTables();
  if (!(V > 0.0)) return 0.0;
  double mass = 0.0;
  for (int i = 0; i < ComponentCount; ++i) mass += x[i] * component_data::MolarMass[i];
  return mass / V;
}
