#include "stability/CriticalSearch.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "stability/CriticalMatrix.h"
#include "stability/Criticality.h"
#include "engine/RedlichKwong.h"
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
  double F;  // det Q* with `row` of Q replaced, uncut; 0 where there is no state
};

bool HasState(const TrialPoint& p) { return p.T > 0.0 && std::isfinite(p.F); }

TrialPoint Evaluate(const MixtureTerms& m, double V, int row, const Yield& yield) {
  const double T = SpinodalLadder(m, V, kCriticalStarts, yield);
  if (T == 0.0) return {V, 0.0, 0.0};
  Matrix q = CriticalMatrix(m, T, V, row);
  return {V, T, LuDeterminant(q)};
}

// The same point with another row of Q replaced.
TrialPoint WithRow(const MixtureTerms& m, const TrialPoint& p, int row) {
  if (p.T == 0.0) return p;
  Matrix q = CriticalMatrix(m, p.T, p.V, row);
  return {p.V, p.T, LuDeterminant(q)};
}

enum class SecantEnd { Converged, NoState, Diverged, Exhausted };

struct SecantRun {
  SecantEnd end;
  TrialPoint cur, last;
};

// The secant steps on det Q* with `row` replaced, from `cur` and `last`,
// counting them in `steps` against the search's budget.
SecantRun Secant(const MixtureTerms& m, TrialPoint cur, TrialPoint last, int row, int& steps,
                 const Yield& yield) {
  for (; steps <= kLastStep; ++steps) {
    double dx = cur.F == last.F ? 0.0 : (last.V - cur.V) * cur.F / (cur.F - last.F);
    if (std::abs(dx) > cur.V / 5.0) dx = dx < 0.0 ? -cur.V / 5.0 : cur.V / 5.0;
    const double V = cur.V + dx;
    if (!(std::abs(dx) < kDivergentStep) || V == 0.0) return {SecantEnd::Diverged, cur, last};
    if (dx != 0.0) {
      last = cur;
      cur = Evaluate(m, V, row, yield);
    }
    // A zero of F where there is no state is no convergence.
    if (!HasState(cur)) return {SecantEnd::NoState, cur, last};
    if (std::abs(dx / cur.V) < kRelativeStep || cur.F == 0.0)
      return {SecantEnd::Converged, cur, last};
    yield();
  }
  return {SecantEnd::Exhausted, cur, last};
}

// Whether the secant stopped at a critical point of the fluid: where both
// criteria hold, at a pressure above 0.
bool AtCriticalPoint(const MixtureTerms& m, const SecantRun& run, const Yield& yield) {
  // The pressure first: it costs nothing beside the criteria.
  return run.end == SecantEnd::Converged &&
         RedlichKwongPressure(m.amix, m.bmix, run.cur.T, run.cur.V) > 0.0 &&
         IsCriticalPoint(m, run.cur.T, run.cur.V, yield);
}

CriticalSearchResult Outcome(const SecantRun& run, bool critical) {
  if (run.end == SecantEnd::Diverged) return {false, 0.0, 0.0};
  return {critical, run.cur.V, run.cur.T};
}

// The rows of Q to replace, other than the last, when the secant's stops are
// no critical points: the amounts by descending fraction, then the volume.
std::vector<int> OtherRows(const MixtureTerms& m) {
  std::vector<int> rows(std::size_t(std::max(m.count - 2, 0)));
  std::iota(rows.begin(), rows.end(), 1);
  std::stable_sort(rows.begin(), rows.end(), [&m](int a, int b) { return m.x[a] > m.x[b]; });
  if (m.count > 1) rows.push_back(0);
  return rows;
}

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
  const int lastRow = m.count - 1;
  const TrialPoint first = Evaluate(m, V1, lastRow, yield);
  const TrialPoint second = Evaluate(m, V2, lastRow, yield);
  // The current point is the one with the larger residual; V1 on a tie.
  const bool firstCurrent = !(std::abs(second.F) > std::abs(first.F));
  const TrialPoint& start = firstCurrent ? first : second;
  const TrialPoint& other = firstCurrent ? second : first;
  int steps = 0;
  SecantRun run = Secant(m, start, other, lastRow, steps, yield);
  bool critical = AtCriticalPoint(m, run, yield);
  if (critical || run.end != SecantEnd::Converged) return Outcome(run, critical);
  // A spurious zero: go on with the row of Q that keeps the factor u_row away
  // from 0, from the same two points.
  const int row = LargestNullVectorEntry(m, run.cur.T, run.cur.V);
  if (row != lastRow) {
    run = Secant(m, WithRow(m, run.cur, row), WithRow(m, run.last, row), row, steps, yield);
    critical = AtCriticalPoint(m, run, yield);
    if (critical || run.end != SecantEnd::Converged) return Outcome(run, critical);
  }
  // A stop where both criteria hold at a pressure not above 0 is no state of a
  // fluid, yet a zero of det Q* whatever row is replaced; the spurious zero
  // may have no other row. Each other row takes the secant another way: from
  // the first guesses again, within the same budget of steps.
  for (int r : OtherRows(m)) {
    run = Secant(m, WithRow(m, start, r), WithRow(m, other, r), r, steps, yield);
    critical = AtCriticalPoint(m, run, yield);
    if (critical || steps > kLastStep) return Outcome(run, critical);
  }
  return Outcome(run, false);
}

}  // namespace stability
