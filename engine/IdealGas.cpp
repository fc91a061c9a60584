// Ideal-gas heat capacity, entropy and enthalpy of a mixture against 298.15 K
// and 0.1 MPa.
#include <cmath>

#include "engine/ComponentData.h"
#include "engine/Globals.h"
#include "engine/Services.h"

namespace {

constexpr double T0 = 298.15;  // K, temperature of the standard state

using Coefficients = std::array<double, 10>;

double HeatCapacity(const Coefficients& c, double T) {
  const double st = std::sqrt(T);
  return c[0] + c[1] / st + c[2] / T + c[3] / std::pow(T, 2.0) + c[4] / std::pow(T, 3.0) + c[5] * st + c[6] * T +
         c[7] * std::pow(T, 2.0) + c[8] * std::pow(T, 3.0) + c[9] * std::pow(T, 4.0);
}

// ∫ Cp/t dt from T0 to T, term by term in closed form.
double EntropyChange(const Coefficients& c, double T) {
  const double st = std::sqrt(T), s0 = std::sqrt(T0);
  return c[0] * (std::log(T) - std::log(T0)) + c[1] * (-2.0 / st + 2.0 / s0) + c[2] * (-1.0 / T + 1.0 / T0) +
         c[3] * (-1.0 / (2.0 * std::pow(T, 2.0)) + 1.0 / (2.0 * std::pow(T0, 2.0))) +
         c[4] * (-1.0 / (3.0 * std::pow(T, 3.0)) + 1.0 / (3.0 * std::pow(T0, 3.0))) + c[5] * (2.0 * st - 2.0 * s0) +
         c[6] * (T - T0) + c[7] * (T * T / 2.0 - T0 * T0 / 2.0) + c[8] * (T * T * T / 3.0 - T0 * T0 * T0 / 3.0) +
         c[9] * (T * T * T * T / 4.0 - T0 * T0 * T0 * T0 / 4.0);
}

// ∫ Cp dt from T0 to T, term by term in closed form.
double EnthalpyChange(const Coefficients& c, double T) {
  const double st = std::sqrt(T), s0 = std::sqrt(T0);
  return c[0] * (T - T0) + c[1] * (2.0 * st - 2.0 * s0) + c[2] * (std::log(T) - std::log(T0)) +
         c[3] * (-1.0 / T + 1.0 / T0) + c[4] * (-1.0 / (2.0 * std::pow(T, 2.0)) + 1.0 / (2.0 * std::pow(T0, 2.0))) +
         c[5] * (2.0 * T * st / 3.0 - 2.0 * T0 * s0 / 3.0) + c[6] * (T * T / 2.0 - T0 * T0 / 2.0) +
         c[7] * (T * T * T / 3.0 - T0 * T0 * T0 / 3.0) + c[8] * (T * T * T * T / 4.0 - T0 * T0 * T0 * T0 / 4.0) +
         c[9] * (T * T * T * T * T / 5.0 - T0 * T0 * T0 * T0 * T0 / 5.0);
}

double PureValue(int kind, int i, double T) {
  const auto& row = component_data::IdealGasTable[i];
  switch (kind) {
    case 0: return HeatCapacity(row.CpCoeff, T);
    case 1: return EntropyChange(row.CpCoeff, T) + row.S298;
    default: return EnthalpyChange(row.CpCoeff, T) + row.dfH298;
  }
}

}  // namespace

double Engine::IdealGas(int kind, const Composition& x, double T) {
  if (kind < 0 || kind > 2 || !(T > 0.0)) return 0.0;
  double total = 0.0;
  for (int i = 0; i < ComponentCount; ++i) {
    RuntimeBackgroundTask();
    if (FixedPointFraction(x[i]) > 0) total += x[i] * PureValue(kind, i, T);
  }
  return total;
}
