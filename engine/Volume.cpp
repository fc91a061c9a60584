// Roots of the cubic in molar volume, the choice among them, and density.
#include <algorithm>
#include <cmath>
#include <limits>
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

// Whether the smallest number is at least 2^-64 and their sum at most 2^64, so
// that each lies within 2^±64: false where one is 0, negative, infinite or NaN
// (a NaN fails the sum). Products and quotients of a handful of such numbers
// stay far inside the range of normal doubles.
template <class... Doubles>
bool AllModerate(Doubles... xs) {
  return std::min({xs...}) >= 0x1p-64 && (xs + ...) <= 0x1p64;
}

// The Redlich-Kwong equation at one state (a, b, T, P in the units of
// RedlichKwongPressure) as the cubic V^3 + c1 V^2 + c2 V + c3 = 0 in V (cm3/mol),
// and the same cubic in t = V / scale: t^3 + d1 t^2 + d2 t + d3 = 0. Where a
// coefficient is huge or tiny, scale is a power of two near the size of the
// roots, so that the powers of the d's stay finite where those of the c's
// overflow. Every step of the closed form scales exactly with a power of two
// but the cube root, which can differ in its last unit: the closed-form roots
// solved in t then differ from those solved in V in their last unit or two (as
// where the reduced coefficient p rounds to 0). The real roots are polished on
// the pressure afterwards; a complex pair is not, and keeps that difference.
// Where every coefficient is moderate, the cubic is solved in V (scale 1).
struct StateCubic {
  double a, b, T, P, sqrtT;
  // AllModerate(a, b, T, P): every term that the polish and
  // GivesBackPressureAt work out at a V below 2^150 is then a normal number
  bool stateModerate;
  double c1, c2, c3;
  // AllModerate(|c1|, |c2|, |c3|): the smallest |c| at least 2^-64, their sum at
  // most 2^64, so every one finite. Such a cubic is solved in V, unscaled.
  bool coefficientsModerate;
  double scale = 1.0, inverseScale = 1.0, d1, d2, d3;
  double d2Terms;  // |b^2| + |R·T·b/P| + |a/(P·√T)| in t: d2's size before its terms cancel

  StateCubic(double a_, double b_, double T_, double P_)
      : a(a_), b(b_), T(T_), P(P_), sqrtT(std::sqrt(T_)),
        stateModerate(AllModerate(a_, b_, T_, P_)) {
    const double pst = P * sqrtT;
    const double repulsionTerm = R * T * b / P;
    const double attractionTerm = a / pst;
    c1 = -R * T / P;
    c2 = -b * b - repulsionTerm + attractionTerm;
    c3 = -a * b / pst;
    d1 = c1;
    d2 = c2;
    d3 = c3;
    d2Terms = b * b + std::abs(repulsionTerm) + std::abs(attractionTerm);
    coefficientsModerate = AllModerate(std::abs(c1), std::abs(c2), std::abs(c3));
    if (!coefficientsModerate && Finite()) ScaleToTheRoots();
  }

  bool Finite() const {
    return coefficientsModerate || (std::isfinite(c1) && std::isfinite(c2) && std::isfinite(c3));
  }

  // The closed-form roots in V, solved in t.
  CubicRoots ClosedFormRoots() const {
    CubicRoots r = Engine::CubicEquation(d1, d2, d3);
    if (!coefficientsModerate)
      for (auto& row : r)
        for (double& entry : row) entry *= scale;
    return r;
  }

 private:
  // Out of line: it is rare, and inlined, its library calls would have every
  // state spill registers.
  [[gnu::cold]] void ScaleToTheRoots() {
    const int exponent = ScaleExponent();
    scale = std::ldexp(1.0, exponent);
    inverseScale = std::ldexp(1.0, -exponent);  // exact: multiplying by it is dividing by scale
    d1 = c1 * inverseScale;
    d2 = c2 * inverseScale * inverseScale;
    d3 = c3 * inverseScale * inverseScale * inverseScale;
    d2Terms = d2Terms * inverseScale * inverseScale;
  }

  int ScaleExponent() const {
    int exponent = 0;
    bool any = false;
    for (auto [c, power] : {std::pair{c1, 1}, {c2, 2}, {c3, 3}}) {
      if (c == 0.0) continue;
      const int e = std::ilogb(c) / power;
      exponent = any ? std::max(exponent, e) : e;
      any = true;
    }
    // Both the scale and its inverse stay normal doubles, so both are exact.
    return std::clamp(exponent, -1021, 1021);
  }
};

// A real root polished on the pressure: V (cm3/mol), the residual P(V) - P
// there and a size to judge that residual against (MPa), which is 0 where the
// polish did not take the slope at V.
struct Polished {
  double V, residual, size;
};

// P(V) - P, MPa.
double Residual(const StateCubic& s, double V) {
  const RedlichKwongTerms pressure = RedlichKwongPressureTerms(s.a, s.b, s.T, s.sqrtT, V);
  return pressure.repulsion - pressure.attraction - s.P;
}

// |P| and V times both terms of the slope at V, which are at least the
// pressure's terms there: at least half the size GivesBackPressureAt takes.
double ResidualSize(const StateCubic& s, double V, const RedlichKwongTerms& slope) {
  return std::abs(s.P) + V * (slope.repulsion + slope.attraction);
}

// Newton steps on the pressure itself, kept only while they reduce the
// residual. The closed form loses relative precision in a small (liquid-like)
// root when R·T/P is large, and the pressure there is steep in V.
Polished PolishedRoot(const StateCubic& s, double V) {
  double residual = Residual(s, V);
  for (int step = 0; step < 10 && residual != 0.0; ++step) {
    const RedlichKwongTerms slope = RedlichKwongSlopeTerms(s.a, s.b, s.T, s.sqrtT, V);
    const double next = V - residual / (slope.attraction - slope.repulsion);
    if (!(next > s.b)) return {V, residual, ResidualSize(s, V, slope)};
    const double nextResidual = Residual(s, next);
    if (!(std::abs(nextResidual) < std::abs(residual)))
      return {V, residual, ResidualSize(s, V, slope)};
    V = next;
    residual = nextResidual;
  }
  return {V, residual, 0.0};
}

// The closed form gets the two smaller roots as small differences of terms of
// the size of R·T/P, so their error grows as the square of the ratio of the
// largest root to the co-volume. Past this ratio (below about a kPa at room
// temperature) that error reaches the digits shown, and far past it the
// smaller "roots" are no roots at all. Below it the real roots above the
// co-volume come out right to rounding once polished.
constexpr double illConditionedRatio = 1e5;

// The root of largest magnitude, which the closed form gets accurately: the one
// real root, or of three real roots the smallest or largest, whichever lies
// farther from 0.
double DominantRoot(const CubicRoots& r) {
  if (r[1][1] != 0.0) return r[0][0];
  return std::abs(r[0][1]) > std::abs(r[0][2]) ? r[0][1] : r[0][2];
}

// All three roots of the cubic from its real root r of largest magnitude. The
// other two solve t^2 - s t + p = 0 with p = -c3/r and s = (c2 - p)/r, neither
// of which subtracts numbers of the size of r; the quadratic is solved in the
// form that subtracts nothing either. A complex pair puts the sign
// `lowerImaginarySign` on column 1's imaginary part.
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

double LowerImaginarySign(const CubicRoots& r) { return r[1][1] > 0.0 ? 1.0 : -1.0; }

// The roots as the ordinary states have always had them: the closed form, with
// the smaller roots rebuilt from the largest one at very low pressure.
CubicRoots UsualRoots(const StateCubic& s, const CubicRoots& closedForm) {
  const double dominant = DominantRoot(closedForm);
  if (std::isfinite(dominant) && std::abs(dominant) > illConditionedRatio * std::abs(s.b))
    return RootsBesideDominant(dominant, s.c2, s.c3, LowerImaginarySign(closedForm));
  return closedForm;
}

// Every lesser root rebuilt from the largest ones, for states where the usual
// roots do not all solve the cubic: from a real root of largest magnitude by
// RootsBesideDominant; from a complex pair u, u* of larger magnitude than the
// real root (near 0 K, where the closed form's real root is the small
// difference of huge terms) as the real root -c3/|u|^2 and the pair's real
// part (-c1 - r)/2.
CubicRoots RootsFromTheLargest(const StateCubic& s, const CubicRoots& closedForm) {
  const double real = closedForm[0][0];
  const double pairModulusSquared =
      closedForm[0][1] * closedForm[0][1] + closedForm[1][1] * closedForm[1][1];
  if (closedForm[1][1] == 0.0 || real * real >= pairModulusSquared)
    return RootsBesideDominant(DominantRoot(closedForm), s.c2, s.c3,
                               LowerImaginarySign(closedForm));
  const double rebuilt = -s.c3 / pairModulusSquared;
  const double pairReal = (-s.c1 - rebuilt) / 2.0;
  return {{{rebuilt, pairReal, pairReal}, {0.0, closedForm[1][1], closedForm[1][2]}}};
}

// How many units of rounding a root may be off: the roots carry the errors of
// the closed form, of a division or two and of the quadratic.
constexpr double rootTolerance = 32.0 * std::numeric_limits<double>::epsilon();

// Whether the equation of state gives back P at a real V above b to its
// rounding: the residual within a few units of rounding of its two terms and of
// what each changes over a few units in V's last place.
bool GivesBackPressureAt(const StateCubic& s, double V) {
  const double overGap = 1.0 / (V - s.b);
  const double overSum = 1.0 / (V + s.b);
  const double repulsion = R * s.T * overGap;
  const double attraction = s.a / (s.sqrtT * V) * overSum;
  const double residual = repulsion - attraction - s.P;
  const double size = repulsion * (1.0 + V * overGap) +
                      attraction * (1.0 + (2.0 * V + s.b) * overSum) + std::abs(s.P);
  return std::abs(residual) <= rootTolerance * size;
}

// GivesBackPressureAt the polished root, told at once from the polish's own
// residual and size where it can be. For a moderate state and V below 2^150
// every term of both computations is a normal number, and their residuals
// differ by at most about ten units of rounding of GivesBackPressureAt's size,
// itself at most twice the polish's: a residual within a quarter of the
// tolerance of the polish's size passes both.
bool GivesBackPressure(const StateCubic& s, const Polished& root) {
  const bool clearly = s.stateModerate && root.V < 0x1p150 &&
                       std::abs(root.residual) <= rootTolerance / 4.0 * root.size;
  return clearly || GivesBackPressureAt(s, root.V);
}

// The largest residual of the cubic in t at a root of modulus `size` (in t)
// that solves it to its rounding: a few units of rounding of its terms' size.
double AllowedResidual(const StateCubic& s, double size) {
  const double terms = ((size + std::abs(s.d1)) * size + s.d2Terms) * size + std::abs(s.d3);
  return rootTolerance * terms;
}

// Whether the real root re (cm3/mol) solves the cubic to its rounding, as
// SolvesCubic judges it with im = 0: its imaginary parts are then exact zeros,
// except that they are NaN beside an infinite partial sum, which fails.
bool SolvesCubicAtReal(const StateCubic& s, double re) {
  const double x = re * s.inverseScale;
  const double u2 = (x + s.d1) * x + s.d2;
  const double u3 = u2 * x + s.d3;
  const double allowed = AllowedResidual(s, std::sqrt(x * x));
  return std::isfinite(u2) && u3 * u3 <= allowed * allowed;
}

// Whether the root re + i·im (cm3/mol) solves the cubic to its rounding: the
// residual, worked out in t so that no power overflows, within
// AllowedResidual.
bool SolvesCubic(const StateCubic& s, double re, double im) {
  const double x = re * s.inverseScale, y = im * s.inverseScale;
  // Horner's rule in complex arithmetic: ((t + d1)·t + d2)·t + d3.
  const double u1 = x + s.d1, v1 = y;
  const double u2 = u1 * x - v1 * y + s.d2, v2 = u1 * y + v1 * x;
  const double u3 = u2 * x - v2 * y + s.d3, v3 = u2 * y + v2 * x;
  const double allowed = AllowedResidual(s, std::sqrt(x * x + y * y));
  return u3 * u3 + v3 * v3 <= allowed * allowed;
}

enum class Verdict { Root, AtCoVolume, NotARoot };

// Polishes root k when it is real and above b (a volume at which the mixture
// could be), and judges it. Such a root is a state only where the pressure
// there is P; one that is not, but solves the cubic, lies within rounding of b
// (no volume above b has that pressure), and the polishing steps, which can
// drift off the root there, are not kept. Any other root must solve the cubic.
Verdict PolishAndJudge(const StateCubic& s, CubicRoots& roots, int k) {
  const double re = roots[0][k], im = roots[1][k];
  const bool state = im == 0.0 && re > s.b;
  if (state) {
    const Polished polished = PolishedRoot(s, re);
    if (GivesBackPressure(s, polished)) {
      roots[0][k] = polished.V;
      return Verdict::Root;
    }
  }
  const bool solves = im == 0.0 ? SolvesCubicAtReal(s, re) : SolvesCubic(s, re, im);
  if (!solves) return Verdict::NotARoot;
  return state ? Verdict::AtCoVolume : Verdict::Root;
}

using Verdicts = std::array<Verdict, 3>;

// The usual roots' verdicts. Their complex roots come as a conjugate pair in
// columns 1 and 2, which solve the cubic or not together.
Verdicts PolishAndJudgeAll(const StateCubic& s, CubicRoots& roots) {
  if (roots[1][1] != 0.0) {
    const bool pairSolves = SolvesCubic(s, roots[0][1], roots[1][1]);
    const Verdict pair = pairSolves ? Verdict::Root : Verdict::NotARoot;
    return {PolishAndJudge(s, roots, 0), pair, pair};
  }
  return {PolishAndJudge(s, roots, 0), PolishAndJudge(s, roots, 1), PolishAndJudge(s, roots, 2)};
}

bool AllRoots(const Verdicts& v) {
  return v[0] == Verdict::Root && v[1] == Verdict::Root && v[2] == Verdict::Root;
}

// Whether both have three real roots or both a complex pair, which both put in
// columns 1 and 2 beside a real column 0.
bool SameKinds(const CubicRoots& r1, const CubicRoots& r2) {
  return (r1[1][1] == 0.0) == (r2[1][1] == 0.0);
}

constexpr double notARoot = std::numeric_limits<double>::quiet_NaN();

// What stands for a root judged no root: one within rounding of b shows as b,
// which no property takes for a state, and one that is no root at all as NaN.
double Mark(Verdict verdict, double b) { return verdict == Verdict::AtCoVolume ? b : notARoot; }

// The roots where some usual root is no root: the roots rebuilt from the
// largest ones take the place of all but the usual states (whose digits the
// phase searches rely on), or of all when the two disagree on which are real.
CubicRoots RebuiltBesideTheUsualStates(const StateCubic& s, const CubicRoots& closedForm,
                                       CubicRoots roots, const Verdicts& verdicts) {
  const CubicRoots rebuilt = RootsFromTheLargest(s, closedForm);
  const bool sameKinds = SameKinds(roots, rebuilt);
  for (int k = 0; k < 3; ++k) {
    const bool usualState =
        sameKinds && verdicts[k] == Verdict::Root && roots[1][k] == 0.0 && roots[0][k] > s.b;
    if (usualState) continue;
    roots[0][k] = rebuilt[0][k];
    roots[1][k] = rebuilt[1][k];
    const Verdict verdict = PolishAndJudge(s, roots, k);
    if (verdict != Verdict::Root) roots[0][k] = Mark(verdict, s.b);
  }
  return roots;
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
  const StateCubic s(a, b, T, P);
  if (!s.Finite()) return {{{notARoot, notARoot, notARoot}, {notARoot, notARoot, notARoot}}};
  const CubicRoots closedForm = s.ClosedFormRoots();
  CubicRoots roots = UsualRoots(s, closedForm);
  const Verdicts verdicts = PolishAndJudgeAll(s, roots);
  if (AllRoots(verdicts)) return roots;
  return RebuiltBesideTheUsualStates(s, closedForm, roots, verdicts);
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
