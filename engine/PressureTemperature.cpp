// Pressure from temperature and volume, and temperature from pressure and volume.
#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/DampedSecant.h"
#include "engine/Globals.h"
#include "engine/Mixture.h"
#include "engine/RedlichKwong.h"

namespace {

// The pressure rises strictly with T, so one search of 500 passes is plenty:
// the damped secant halves the error on every pass.
constexpr int temperaturePasses = 500;

// The temperature at which the attraction term alone balances the repulsion:
// the root for P = 0, an upper bound of the root for P < 0 and a lower bound
// for P > 0.
double ZeroPressureTemperature(double a, double b, double V) {
  return std::pow(a * (V - b) / (R * V * (V + b)), 2.0 / 3.0);
}

// Where the search for the root at P starts: a bound of the root close to it.
// Above zero pressure the root lies above both the temperature at which the
// repulsion alone gives P and the zero-pressure temperature; the larger of the
// two is the closer bound (a vanishing P must not start the search near 0 K,
// where the attraction term grows without limit). At or below zero pressure the
// zero-pressure temperature bounds the root from above.
double StartTemperature(double a, double b, double P, double V) {
  const double zeroPressure = ZeroPressureTemperature(a, b, V);
  if (!(P > 0.0)) return zeroPressure;
  const double repulsionOnly = P * (V - b) / R;
  return std::max(repulsionOnly, zeroPressure);
}

}  // namespace

double Engine::Pressure(const Composition& x, double T, double V) {
  FillConstantTables();
  const mixture::Mixed m = mixture::Mix(x);
  if (!(m.b < V) || !(T > 0.0)) return 0.0;
  return RedlichKwongPressure(m.a, m.b, T, V);
}

std::optional<double> Engine::Temperature(const Composition& x, double P, double V) {
  FillConstantTables();
  const mixture::Mixed m = mixture::Mix(x);
  const double amix = m.a, bmix = m.b;
  if (!std::isfinite(P) || !std::isfinite(V) || !(bmix < V)) return std::nullopt;
  const auto residual = [&](double T) { return P - RedlichKwongPressure(amix, bmix, T, V); };

  const double t0 = StartTemperature(amix, bmix, P, V);
  if (!(t0 > 0.0) || !std::isfinite(t0)) return std::nullopt;  // no attraction and P <= 0: no root
  const double t1 = t0 + 10.0;
  SecantState s{t1, residual(t1), t0, residual(t0), 0.0};
  if (std::abs(s.fw) < std::abs(s.fu)) {
    std::swap(s.u, s.w);
    std::swap(s.fu, s.fw);
  }
  s.d = (s.u - s.w) / 2.0;
  const SecantResult result = DampedSecant(residual, s, temperaturePasses);
  if (!result.converged) return std::nullopt;
  // A small step is not yet a root: check the pressure against the size of
  // the terms that cancel in it.
  const double T = result.point;
  const double scale = R * T / (V - bmix) + std::abs(P);
  if (!(std::abs(residual(T)) <= 1e-8 * scale)) return std::nullopt;
  return T;
}
