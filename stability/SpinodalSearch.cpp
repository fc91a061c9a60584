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

}  // namespace

double SpinodalDeterminant(const MixtureTerms& m, double T, double V) {
  Matrix q = SpinodalMatrix(m, T, V);
  return LuDeterminant(q);
}

double SpinDetSolution(const MixtureTerms& m, double T0, double V, const Yield& yield) {
  if (!(T0 > 0.0)) return 0.0;
  double cur = T0, fcur = SpinodalDeterminant(m, cur, V);
  double prev = 0.99 * T0, fprev = SpinodalDeterminant(m, prev, V);
  if (!std::isfinite(fcur) || !std::isfinite(fprev)) return 0.0;
  // The current point is the one with the larger residual; T0 on a tie.
  if (std::abs(fprev) > std::abs(fcur)) {
    std::swap(cur, prev);
    std::swap(fcur, fprev);
  }
  for (int pass = 0; pass <= kLastPass; ++pass) {
    // Equal residuals give no step. The two points always differ, so this is
    // no root: two exact zeros are a determinant that vanished in underflow.
    if (fcur == fprev) return 0.0;
    double dx = (prev - cur) * fcur / (fcur - fprev);
    if (cur / 10.0 < std::abs(dx)) dx = dx >= 0.0 ? cur / 10.0 : -cur / 10.0;
    prev = cur;
    fprev = fcur;
    cur = cur + dx;
    if (!(std::abs(dx) < 1e300) || cur == 0.0) return 0.0;
    fcur = SpinodalDeterminant(m, cur, V);
    if (!std::isfinite(fcur)) return 0.0;
    if (std::abs(dx / cur) < kRelativeStep || fcur == 0.0) return cur;
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
