// Component constants and the Chueh-Prausnitz mixing rules.
#include <cmath>

#include "engine/AttractionSums.h"
#include "engine/ComponentData.h"
#include "engine/Globals.h"
#include "engine/Mixture.h"
#include "engine/Services.h"

namespace {

namespace data = component_data;

// The double nearest one third: cube roots are taken with pow, as the
// pseudo-critical volumes have always been computed.
constexpr double oneThird = 0.3333333333333333;

double DefaultOmegaA() { return 1.0 / ((std::pow(2.0, oneThird) - 1.0) * 9.0); }
double DefaultOmegaB() { return (std::pow(2.0, oneThird) - 1.0) / 3.0; }

double OmegaA(int i) { return data::OmegaAFixed[i] != 0.0 ? data::OmegaAFixed[i] : DefaultOmegaA(); }
double OmegaB(int i) { return data::OmegaBFixed[i] != 0.0 ? data::OmegaBFixed[i] : DefaultOmegaB(); }

std::array<std::array<double, 21>, 21> InteractionConstants() {
  std::array<std::array<double, 21>, 21> k{};
  for (const auto& entry : data::Kij) {
    k[entry.i][entry.j] = entry.k;
    k[entry.j][entry.i] = entry.k;
  }
  return k;
}

double PureAttraction(int i) {
  const double tc = data::Tcrit[i];
  return OmegaA(i) * R * R * tc * tc * std::sqrt(tc) / data::Pcrit[i];
}

// Cross parameter from the pseudo-critical constants of the pair.
double CrossAttraction(int i, int j, double kij) {
  double vc = (std::pow(data::Vcrit[i], oneThird) + std::pow(data::Vcrit[j], oneThird)) / 2.0;
  vc = vc * vc * vc;
  const double zc = 0.291 - (data::Acentric[i] + data::Acentric[j]) * 0.08 / 2.0;
  const double tc = (1.0 - kij) * std::sqrt(data::Tcrit[i] * data::Tcrit[j]);
  const double pc = zc * R * tc / vc;
  return (OmegaA(i) + OmegaA(j)) * R * R * tc * tc * std::sqrt(tc) / (2.0 * pc);
}

mixture::ComponentParameters BuildParameters() {
  mixture::ComponentParameters p{};
  const auto k = InteractionConstants();
  for (int i = 0; i < ComponentCount; ++i) {
    p.b[i] = OmegaB(i) * R * data::Tcrit[i] / data::Pcrit[i];
    for (int j = 0; j < ComponentCount; ++j)
      p.a[i][j] = (i == j) ? PureAttraction(i) : CrossAttraction(i, j, k[i][j]);
  }
  return p;
}

}  // namespace

namespace mixture {

const ComponentParameters& Parameters() {
  static const ComponentParameters parameters = BuildParameters();
  return parameters;
}

Mixed Mix(const Composition& x) {
  const ComponentParameters& p = Parameters();
  Mixed m;
  m.sums = ColumnSums(p.a, x);
  for (int i = 0; i < ComponentCount; ++i) {
    if (!(x[i] > 0.0)) continue;
    m.a += x[i] * m.sums[i];
    m.b += x[i] * p.b[i];
  }
  return m;
}

double CoVolume(const Composition& x) {
  const ComponentParameters& p = Parameters();
  double sum = 0.0;
  for (int i = 0; i < ComponentCount; ++i)
    if (x[i] > 0.0) sum += x[i] * p.b[i];
  return sum;
}

}  // namespace mixture

std::int64_t Engine::FixedPointFraction(double x) const {
  return DoubleToInt64(Int64ToDouble(PrecisionFactor) * x);
}

void Engine::CriticalValues() {
  Ttrip = data::Ttrip;
  Tcrit = data::Tcrit;
  Pcrit = data::Pcrit;
  Vcrit = data::Vcrit;
  Acentric = data::Acentric;
}

void Engine::MolecularMasses() { MM = data::MolarMass; }

void Engine::FillConstantTables() {
  if (constantTablesFilled_) return;
  CriticalValues();
  MolecularMasses();
  const mixture::ComponentParameters& p = mixture::Parameters();
  for (int i = 0; i < ComponentCount; ++i)
    for (int j = 0; j < ComponentCount; ++j) a[i][j] = p.a[i][j];
  b = p.b;
  constantTablesFilled_ = true;
}

double Engine::aMixture(const Composition& x) {
  FillConstantTables();
  return mixture::Mix(x).a;
}

double Engine::bMixture(const Composition& x) {
  FillConstantTables();
  return mixture::CoVolume(x);
}

double Engine::CoVolume(const Composition& x) { return bMixture(x); }
