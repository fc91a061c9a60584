#include "stability/CriticalSearch.h"

#include <cmath>

#include "stability/CriticalMatrix.h"
#include "stability/Determinant.h"

namespace stability {

namespace {

constexpr int kLastStep = 1000;
constexpr double kRelativeStep = 1e-10;
constexpr double kDivergentStep = 1e9;  // cm3/mol

// The double nearest 1/3; the exponents 2.0/3.0, 4.0/3.0 and 7.0/3.0 below are
// likewise the doubles nearest 2/3, 4/3 and 7/3.
constexpr double kOneThird = 1.0 / 3.0;

struct TrialPoint {
  double V;  // cm3/mol
  double T;  // K, the spinodal temperature; 0 when there is none
  double F;  // det Q*, uncut
};

TrialPoint Evaluate(const MixtureTerms& m, double V, const Yield& yield) {
  const double T = SpinodalLadder(m, V, kCriticalStarts, yield);
  if (T == 0.0) return {V, 0.0, 0.0};
  Matrix q = CriticalMatrix(m, T, V);
  return {V, T, LuDeterminant(q)};
}

bool HasState(const TrialPoint& p) { return p.T > 0.0 && std::isfinite(p.F); }

CriticalSearchResult Failed(const TrialPoint& p) { return {false, p.V, p.T}; }
CriticalSearchResult Found(const TrialPoint& p) { return {true, p.V, p.T}; }

}  // namespace

PseudoCriticalPoint PseudoCritical(double a, double b) {
  const double k = std::pow(2.0, kOneThird) - 1.0;
  const double volume = b / k;
  const double kelvin = std::pow(k, 4.0 / 3.0) * std::pow(3.0 * a / (b * R), 2.0 / 3.0);
  const double pressure = std::pow(R * a * a / (3.0 * std::pow(b, 5.0)), kOneThird) *
                          std::pow(k, 7.0 / 3.0);
  return {volume, kelvin, pressure};
}

CriticalSearchResult PureCriticalPoint(const MixtureTerms& m, const Yield& yield) {
  const double V = PseudoCritical(m.amix, m.bmix).volume;
  const double T = SpinodalLadder(m, V, kCriticalStarts, yield);
  return {T > 0.0, V, T};
}

CriticalSearchResult CriticalPointSearch(const MixtureTerms& m, double V1, double V2,
                                         const Yield& yield) {
  const TrialPoint first = Evaluate(m, V1, yield);
  if (!HasState(first)) return Failed(first);
  const TrialPoint second = Evaluate(m, V2, yield);
  if (!HasState(second)) return Failed(second);
  // The current point is the one with the larger residual; V1 on a tie.
  const bool firstCurrent = !(std::abs(second.F) > std::abs(first.F));
  TrialPoint cur = firstCurrent ? first : second;
  TrialPoint last = firstCurrent ? second : first;
  if (cur.F == 0.0) return Found(cur);
  for (int step = 0; step <= kLastStep; ++step) {
    if (cur.F == last.F) return Failed(cur);  // no step: no root
    double dx = (last.V - cur.V) * cur.F / (cur.F - last.F);
    if (std::abs(dx) > cur.V / 5.0) dx = dx < 0.0 ? -cur.V / 5.0 : cur.V / 5.0;
    const double V = cur.V + dx;
    if (!(std::abs(dx) < kDivergentStep) || V == 0.0) return {false, 0.0, 0.0};
    last = cur;
    cur = Evaluate(m, V, yield);
    if (!HasState(cur)) return Failed(cur);
    if (std::abs(dx / cur.V) < kRelativeStep || cur.F == 0.0) return Found(cur);
    yield();
  }
  return Failed(cur);
}

}  // namespace stability
