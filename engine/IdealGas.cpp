// Ideal-gas heat capacity, entropy and enthalpy of a mixture against 298.15 K
// and 0.1 MPa.
#include <cmath>

#include "engine/ComponentData.h"
#include "engine/FixedPoint.h"
#include "engine/Globals.h"
#include "engine/IdealGasTable.h"

namespace {

constexpr double T0 = 298.15;  // K, temperature of the standard state

using Coefficients = std::array<double, 10>;
using mixture::Row;

double HeatCapacity(const Coefficients& c, double T) {
  const double st = std::sqrt(T);
  return c[0] + c[1] / st + c[2] / T + c[3] / std::pow(T, 2.0) + c[4] / std::pow(T, 3.0) + c[5] * st + c[6] * T +
         c[7] * std::pow(T, 2.0) + c[8] * std::pow(T, 3.0) + c[9] * std::pow(T, 4.0);
}

// The table by coefficient: column j holds c_j of every component, so that one
// pass over a column serves all components at once.
struct TableColumns {
  std::array<Row, 10> c{};
  Row S298{};
  Row dfH298{};
};

constexpr TableColumns BuildColumns() {
  TableColumns t;
  for (int i = 0; i < ComponentCount; ++i) {
    const auto& row = component_data::IdealGasTable[i];
    for (int j = 0; j < 10; ++j) t.c[j][i] = row.CpCoeff[j];
    t.S298[i] = row.S298;
    t.dfH298[i] = row.dfH298;
  }
  return t;
}

constexpr TableColumns columns = BuildColumns();

// The integrals of the ten terms of Cp/t (entropy) and of Cp (enthalpy) from
// T0 to T, each the antiderivative at T minus that at T0. They depend on T
// only: every component's integral is its coefficients times these.
struct TermIntegrals {
  Coefficients entropy;
  Coefficients enthalpy;
};

TermIntegrals TermIntegralsAt(double T) {
  const double st = std::sqrt(T), s0 = std::sqrt(T0);
  const double lnRatio = std::log(T) - std::log(T0);
  const double inverse = -1.0 / T + 1.0 / T0;
  const double inverseSquare = -1.0 / (2.0 * std::pow(T, 2.0)) + 1.0 / (2.0 * std::pow(T0, 2.0));
  const double root = 2.0 * st - 2.0 * s0;
  const double linear = T - T0;
  const double square = T * T / 2.0 - T0 * T0 / 2.0;
  const double cube = T * T * T / 3.0 - T0 * T0 * T0 / 3.0;
  const double fourth = T * T * T * T / 4.0 - T0 * T0 * T0 * T0 / 4.0;
  TermIntegrals t;
  t.entropy = {lnRatio,  -2.0 / st + 2.0 / s0,
               inverse,  inverseSquare,
               -1.0 / (3.0 * std::pow(T, 3.0)) + 1.0 / (3.0 * std::pow(T0, 3.0)),
               root,     linear,
               square,   cube,
               fourth};
  t.enthalpy = {linear, root, lnRatio, inverse, inverseSquare, 2.0 * T * st / 3.0 - 2.0 * T0 * s0 / 3.0,
                square, cube, fourth,  T * T * T * T * T / 5.0 - T0 * T0 * T0 * T0 * T0 / 5.0};
  return t;
}

// Σ_j c_j·integral_j for every component, the terms added in the order c0 to
// c9, then the value at 298.15 K.
Row PureSums(const Coefficients& integrals, const Row& atT0) {
  Row sum;
  for (int i = 0; i < mixture::kRowWidth; ++i) sum[i] = columns.c[0][i] * integrals[0];
  for (int j = 1; j < 10; ++j)
    for (int i = 0; i < mixture::kRowWidth; ++i) sum[i] += columns.c[j][i] * integrals[j];
  for (int i = 0; i < mixture::kRowWidth; ++i) sum[i] += atT0[i];
  return sum;
}

}  // namespace

namespace ideal_gas {

PureValues PureValuesAt(double T) {
  const TermIntegrals integrals = TermIntegralsAt(T);
  return {PureSums(integrals.entropy, columns.S298), PureSums(integrals.enthalpy, columns.dfH298)};
}

}  // namespace ideal_gas

double Engine::IdealGas(int kind, const Composition& x, double T) {
  if (kind < 0 || kind > 2 || !(T > 0.0)) return 0.0;
  Row pure{};
  if (kind == 0) {
    for (int i = 0; i < ComponentCount; ++i) pure[i] = HeatCapacity(component_data::IdealGasTable[i].CpCoeff, T);
  } else {
    const ideal_gas::PureValues values = ideal_gas::PureValuesAt(T);
    pure = kind == 1 ? values.entropy : values.enthalpy;
  }
  double total = 0.0;
  for (int i = 0; i < ComponentCount; ++i)
    if (PositiveAtFixedPoint(PrecisionFactor, x[i])) total += x[i] * pure[i];
  return total;
}
