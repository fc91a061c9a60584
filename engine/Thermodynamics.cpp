// Internal energy, enthalpy, entropy, Helmholtz and Gibbs energy of a mixture,
// chemical potentials and excess properties: ideal-gas part against 298.15 K
// and 0.1 MPa, plus the Redlich-Kwong residual, plus the ideal mixing term.
#include <cmath>
#include <limits>
#include <optional>

#include "engine/FixedPoint.h"
#include "engine/Globals.h"
#include "engine/IdealGasTable.h"
#include "engine/Mixture.h"
#include "engine/RedlichKwong.h"
#include "engine/Services.h"

namespace {

constexpr double standardPressure = 0.1;  // MPa
constexpr double noValue = std::numeric_limits<double>::quiet_NaN();

enum ExcessKind : int { VolumeExcess = 0, EnergyExcess, EnthalpyExcess, EntropyExcess, HelmholtzExcess, GibbsExcess };

// In the order of Engine::MixtureFunction's selector.
enum class Function { Energy = 0, Enthalpy, Entropy, Helmholtz, Gibbs };

// The pieces of the residual terms at one state.
struct State {
  double a, b, T, V;
  double sqrtT() const { return std::sqrt(T); }
  double lnPlus() const { return std::log((V + b) / V); }   // ln((V + b)/V)
  double lnMinus() const { return std::log((V - b) / V); }  // ln((V - b)/V)
  // V times the Redlich-Kwong pressure, J/mol.
  double PV() const { return R * T * V / (V - b) - a / ((V + b) * sqrtT()); }
  // Residual internal energy, J/mol.
  double ResidualEnergy() const { return -(3.0 * a * lnPlus() / (2.0 * b * sqrtT())); }
  // Residual entropy, J/(mol K).
  double ResidualEntropy() const { return R * lnMinus() - a * lnPlus() / (2.0 * b * T * sqrtT()); }
  // Residual Helmholtz energy, J/mol.
  double ResidualHelmholtz() const { return -R * T * lnMinus() - a * lnPlus() / (b * sqrtT()); }
};

// The ideal-gas parts of a composition at one state.
struct IdealParts {
  double enthalpy;  // Σ x_i H_i°, formation enthalpies included, J/mol
  double entropy;   // Σ x_i S_i° at 0.1 MPa, J/(mol K)
  double mixing;    // Σ x_i R ln(0.1 V/(x_i R T)), J/(mol K)
};

bool NeedsEntropy(Function f) { return f != Function::Energy && f != Function::Enthalpy; }

// x_i R ln(0.1 V/(x_i R T)), J/(mol K): component i from 0.1 MPa to its
// ideal-gas partial pressure.
double MixingTerm(double xi, double T, double V) { return xi * R * std::log(standardPressure * V / (xi * R * T)); }

// The ideal parts that `f` needs, over the components present at fixed point.
IdealParts IdealPartsOf(Function f, const Composition& x, double T, double V, std::int64_t precisionFactor) {
  const ideal_gas::PureValues pure = ideal_gas::PureValuesAt(T);
  IdealParts parts{0.0, 0.0, 0.0};
  const bool entropy = NeedsEntropy(f);
  for (int i = 0; i < ComponentCount; ++i) {
    if (!PositiveAtFixedPoint(precisionFactor, x[i])) continue;
    parts.enthalpy += x[i] * pure.enthalpy[i];
    if (!entropy) continue;
    parts.entropy += x[i] * pure.entropy[i];
    parts.mixing += MixingTerm(x[i], T, V);
  }
  return parts;
}

// Function `f` from its residual and ideal parts. The guards are the caller's.
double Evaluate(Function f, const State& s, const IdealParts& ideal) {
  const double T = s.T;
  switch (f) {
    case Function::Energy: return (ideal.enthalpy - R * T) + s.ResidualEnergy();
    case Function::Enthalpy: return (ideal.enthalpy - R * T) + (s.PV() + s.ResidualEnergy());
    case Function::Entropy: return ideal.entropy + (s.ResidualEntropy() + ideal.mixing);
    case Function::Helmholtz:
      return (ideal.enthalpy - R * T - T * ideal.entropy) + (s.ResidualHelmholtz() - T * ideal.mixing);
    case Function::Gibbs:
      return (ideal.enthalpy - R * T - T * ideal.entropy) +
             ((s.ResidualHelmholtz() + s.PV()) - T * ideal.mixing);
  }
  return noValue;
}

// The value of a function where it has no state: 0 for T not above 0 or V not
// above b (not above 0 for the internal energy), NaN for a composition without
// co-volume. Empty where the state is sound.
std::optional<double> ValueWithoutState(Function f, const State& s) {
  const bool volumeOk = f == Function::Energy ? 0.0 < s.V : s.b < s.V;
  if (!volumeOk || !(0.0 < s.T)) return 0.0;
  if (!(s.b > 0.0)) return noValue;
  return std::nullopt;
}

}  // namespace

double Engine::MixtureFunction(int function, const Composition& x, double T, double V) {
  FillConstantTables();
  const auto f = static_cast<Function>(function);
  const mixture::Mixed m = mixture::Mix(x);
  const State s{m.a, m.b, T, V};
  if (const std::optional<double> guarded = ValueWithoutState(f, s)) return *guarded;
  return Evaluate(f, s, IdealPartsOf(f, x, T, V, PrecisionFactor));
}

double Engine::Energy(const Composition& x, double T, double V) { return MixtureFunction(0, x, T, V); }
double Engine::Enthalpy(const Composition& x, double T, double V) { return MixtureFunction(1, x, T, V); }
double Engine::Entropy(const Composition& x, double T, double V) { return MixtureFunction(2, x, T, V); }
double Engine::Helmholtz(const Composition& x, double T, double V) { return MixtureFunction(3, x, T, V); }
double Engine::Gibbs(const Composition& x, double T, double V) { return MixtureFunction(4, x, T, V); }

double Engine::ChemicalPotential(int i, const Composition& x, double T, double V) {
  if (i < 0 || i >= ComponentCount) return noValue;
  FillConstantTables();
  const mixture::Mixed m = mixture::Mix(x);
  const State s{m.a, m.b, T, V};
  if (!(s.b < V) || !(0.0 < T)) return 0.0;
  if (!(x[i] > 0.0)) return noValue;  // μ of an absent component has no finite value
  const ideal_gas::PureValues pure = ideal_gas::PureValuesAt(T);
  const mixture::ComponentParameters& p = mixture::Parameters();

  double attraction = 0.0;  // Σ_j 2 x_j a(i, j) over the components present at fixed point
  for (int j = 0; j < ComponentCount; ++j)
    if (PositiveAtFixedPoint(PrecisionFactor, x[j])) attraction += 2.0 * x[j] * p.a[i][j];
  const double sqrtT = s.sqrtT(), bi = p.b[i];
  double mu = pure.enthalpy[i] - R * T - T * pure.entropy[i];
  mu += R * T;
  mu -= (attraction / (s.b * sqrtT) - s.a * bi / (s.b * s.b * sqrtT)) * s.lnPlus();
  mu -= s.a * bi / (s.b * sqrtT * (V + s.b));
  mu -= R * T * s.lnMinus();
  mu += R * T * bi / (V - s.b);
  mu -= R * T * std::log(standardPressure * V / (x[i] * R * T));
  return mu;
}

namespace {

// The molar volume of pure component i at T and P (cm3/mol): its largest real
// root above its co-volume below its saturation pressure, else its smallest;
// 0 when no real root lies above the co-volume. The saturation pressure is
// asked for only when there is a choice to make. Inlined into the loops over
// the components, where a call costs a share of the whole.
[[gnu::always_inline]] inline double PureVolume(Engine& engine, const mixture::ComponentParameters& p,
                                                int i, double T, double P) {
  const double b = p.b[i];
  CubicRoots roots = RedlichKwongRoots(p.a[i][i], b, T, P);
  int candidates = 0;
  for (int k = 0; k < 3; ++k)
    if (roots[1][k] == 0.0 && roots[0][k] > b && std::isfinite(roots[0][k])) ++candidates;
  const int rank = candidates > 1 && !(P < engine.SaturationPressure(i, T)) ? 2 : 0;
  return Engine::VolumeChoice(roots, rank, b);
}

Function FunctionOfExcessKind(int kind) {
  switch (kind) {
    case EnergyExcess: return Function::Energy;
    case EnthalpyExcess: return Function::Enthalpy;
    case EntropyExcess: return Function::Entropy;
    case HelmholtzExcess: return Function::Helmholtz;
    default: return Function::Gibbs;
  }
}

// A sum of molar volumes (cm3/mol) and the size of its rounding error.
struct VolumeSum {
  double value = 0.0;
  double error = 0.0;
  bool HasDigits() const { return std::abs(value) > error; }
};

constexpr double unitRoundoff = std::numeric_limits<double>::epsilon();

// The largest relative error (its error bound over its size) at which the
// plain difference is taken as it is: at 1e-12 it still holds about 12 digits.
constexpr double fewDigitsLost = 1e-12;

// R·T/P - (V - b) at a root V of the cubic of (a, b) at T and P, cm3/mol: there
// P + A = R·T/(V - b) with A = a/(√T·V·(V + b)), so it is A·(V - b)/P, of the
// size of the second virial coefficient where R·T/P and V are huge. P·V stays
// near R·T however small P is, so nothing overflows. Its error adds its own
// rounding to what V's error of a few units in the last place becomes
// through V - b.
// sqrtT is √T.
VolumeSum Departure(double a, double b, double sqrtT, double P, double V) {
  const double departure = a / sqrtT * ((V - b) / (V + b)) / (P * V);
  return {departure, unitRoundoff * std::abs(departure) * (8.0 + 4.0 * std::abs(V / (V - b)))};
}

// Σ x_i D_i - D_M over the components present, D the Departure of each
// volume: V_i of pureVolumes, M of the mixture.
VolumeSum DepartureDifference(const Composition& x, const Composition& pureVolumes, double T,
                              double P, double M) {
  const mixture::ComponentParameters& p = mixture::Parameters();
  const mixture::Mixed mixed = mixture::Mix(x);
  const double sqrtT = std::sqrt(T);
  VolumeSum sum = Departure(mixed.a, mixed.b, sqrtT, P, M);
  sum.value = -sum.value;
  for (int i = 0; i < ComponentCount; ++i) {
    if (pureVolumes[i] == 0.0) continue;
    const VolumeSum D = Departure(p.a[i][i], p.b[i], sqrtT, P, pureVolumes[i]);
    sum.value += x[i] * D.value;
    sum.error += x[i] * D.error;
  }
  return sum;
}

// M - Σ x_i V_i, cm3/mol. At low pressure both are of the size of R·T/P, and at
// high temperature far above the co-volumes: their difference keeps no digit.
// Where M is a root of the mixture's cubic it is also Σ x_i D_i - D_M (see
// DepartureDifference): the R·T/P terms cancel as the fractions sum to one, and
// the co-volumes as they mix linearly. That form is taken where the plain
// difference lost many digits, if it holds more and agrees with the plain one
// (so M is a root); a result within its own rounding error of 0 has no digit
// and is NaN.
double ExcessVolume(Engine& engine, const Composition& x, double T, double P, double M) {
  const mixture::ComponentParameters& p = mixture::Parameters();
  Composition pureVolumes{};  // 0 for the components absent
  double difference = M, size = std::abs(M);
  for (int i = 0; i < ComponentCount; ++i) {
    RuntimeBackgroundTask();
    if (!PositiveAtFixedPoint(engine.PrecisionFactor, x[i])) continue;
    const double Vi = PureVolume(engine, p, i, T, P);
    if (Vi == 0.0) return noValue;  // the pure component has no state at T and P
    pureVolumes[i] = Vi;
    difference -= x[i] * Vi;
    size += x[i] * Vi;
  }
  // Each volume is a root to a few units in its last place.
  const VolumeSum plain{difference, 4.0 * unitRoundoff * size};
  if (plain.error <= fewDigitsLost * std::abs(plain.value)) return plain.value;

  const VolumeSum departures = DepartureDifference(x, pureVolumes, T, P, M);
  const bool departuresHold = departures.error < plain.error &&
                              std::abs(departures.value - plain.value) <= plain.error + departures.error;
  const VolumeSum& best = departuresHold ? departures : plain;
  return best.HasDigits() ? best.value : noValue;
}

}  // namespace

double Engine::Excess(int kind, const Composition& x, double T, double P, double M) {
  FillConstantTables();
  for (int i = 0; i < ComponentCount; ++i)
    if (WholeAtFixedPoint(PrecisionFactor, x[i])) return 0.0;  // a pure substance has no excess
  if (kind < VolumeExcess || kind > GibbsExcess) return M;
  if (kind == VolumeExcess) return ExcessVolume(*this, x, T, P, M);

  const mixture::ComponentParameters& p = mixture::Parameters();
  // Every pure component's ideal-gas values at T, worked out once for all.
  const ideal_gas::PureValues ideal = T > 0.0 ? ideal_gas::PureValuesAt(T) : ideal_gas::PureValues{};
  const Function f = FunctionOfExcessKind(kind);
  double excess = M;
  for (int i = 0; i < ComponentCount; ++i) {
    RuntimeBackgroundTask();
    if (!PositiveAtFixedPoint(PrecisionFactor, x[i])) continue;
    const double Vi = PureVolume(*this, p, i, T, P);
    if (Vi == 0.0) return noValue;  // the pure component has no state at T and P
    const State s{p.a[i][i], p.b[i], T, Vi};
    const IdealParts parts{ideal.enthalpy[i], ideal.entropy[i], NeedsEntropy(f) ? MixingTerm(1.0, T, Vi) : 0.0};
    const std::optional<double> guarded = ValueWithoutState(f, s);
    excess -= x[i] * (guarded ? *guarded : Evaluate(f, s, parts));
    if (kind == EntropyExcess) excess += R * x[i] * std::log(x[i]);
    if (kind == HelmholtzExcess || kind == GibbsExcess) excess -= R * T * x[i] * std::log(x[i]);
  }
  return excess;
}
