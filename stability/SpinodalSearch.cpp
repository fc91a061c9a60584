#include "stability/SpinodalSearch.h"

#include <cmath>
#include <utility>

#include "stability/Determinant.h"
#include "stability/HelmholtzDerivatives.h"

namespace stability {

namespace {

constexpr int kLastPass = 1000;
constexpr double kRelativeStep = 1e-13;  // a few units in the last place of T
constexpr double kLowestTemperature = 0.1;  // K

// A temperature (K) and det Q there.
struct Sample {
  double T, f;
};

bool SignsDiffer(const Sample& a, const Sample& b) { return (a.f < 0.0) != (b.f < 0.0); }

}  // namespace

double SpinodalDeterminant(const MixtureTerms& m, double T, double V) {
  Matrix q = SpinodalMatrixOverFreeVolume(m, T, V);
  return LuDeterminant(q);
}

double SpinDetSolution(const MixtureTerms& m, double T0, double V, const Yield& yield) {
  if (!(T0 > 0.0)) return 0.0;
  Sample cur{T0, SpinodalDeterminant(m, T0, V)};
  Sample prev{0.99 * T0, SpinodalDeterminant(m, 0.99 * T0, V)};
  if (!std::isfinite(cur.f) || !std::isfinite(prev.f)) return 0.0;
  // The current point is the one with the larger residual; T0 on a tie.
  if (std::abs(prev.f) > std::abs(cur.f)) std::swap(cur, prev);
  for (int pass = 0; pass <= kLastPass; ++pass) {
    // Equal residuals give no step. The two points always differ, so this is
    // no root: two exact zeros are a determinant that vanished in underflow.
    if (cur.f == prev.f) return 0.0;
    double dx = (prev.T - cur.T) * cur.f / (cur.f - prev.f);
    if (cur.T / 10.0 < std::abs(dx)) dx = dx >= 0.0 ? cur.T / 10.0 : -cur.T / 10.0;
    // A step that puts the root closer than the smallest step is lengthened to
    // it, so that it crosses the root: a root only where det Q changes sign.
    const bool small = std::abs(dx) <= kRelativeStep * cur.T;
    if (small) dx = dx >= 0.0 ? kRelativeStep * cur.T : -kRelativeStep * cur.T;
    prev = cur;
    cur.T = cur.T + dx;
    if (!(std::abs(dx) < 1e300) || cur.T == 0.0) return 0.0;
    cur.f = SpinodalDeterminant(m, cur.T, V);
    if (!std::isfinite(cur.f)) return 0.0;
    if (cur.f == 0.0) return cur.T;
    if (small && SignsDiffer(prev, cur)) return cur.T;
    yield();
  }
  return 0.0;
}

double SpinodalLadder(const MixtureTerms& m, double V, std::span<const double> starts,
                      const Yield& yield) {
  if (!(V > m.bmix) || !std::isfinite(V)) return 0.0;  // no state: no temperature
  for (double T0 : starts) {
    const double T = SpinDetSolution(m, T0, V, yield);
    if (T >= kLowestTemperature) return T;
  }
  return 0.0;
}

}  // namespace stability
