// Internal energy, enthalpy, entropy, Helmholtz and Gibbs energy of a mixture,
// chemical potentials and excess properties: ideal-gas part against 298.15 K
// and 0.1 MPa, plus the Redlich-Kwong residual, plus the ideal mixing term.
#include <cmath>
#include <limits>

#include "engine/Globals.h"
#include "engine/Services.h"

namespace {

constexpr double standardPressure = 0.1;  // MPa
constexpr double noValue = std::numeric_limits<double>::quiet_NaN();

enum IdealGasKind : int { HeatCapacityKind = 0, EntropyKind = 1, EnthalpyKind = 2 };
enum ExcessKind : int { VolumeExcess = 0, EnergyExcess, EnthalpyExcess, EntropyExcess, HelmholtzExcess, GibbsExcess };

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

Composition UnitComposition(int i) {
  Composition e{};
  e[i] = 1.0;
  return e;
}

// Σ x_i R ln(0.1 V/(x_i R T)) over the components present at fixed point,
// J/(mol K): each component from 0.1 MPa to its ideal-gas partial pressure.
double MixingEntropy(const Engine& engine, const Composition& x, double T, double V) {
  double mix = 0.0;
  for (int i = 0; i < ComponentCount; ++i) {
    RuntimeBackgroundTask();
    if (engine.FixedPointFraction(x[i]) > 0) mix += x[i] * R * std::log(standardPressure * V / (x[i] * R * T));
  }
  return mix;
}

}  // namespace

double Engine::Energy(const Composition& x, double T, double V) {
  if (!(0.0 < V) || !(0.0 < T)) return 0.0;
  const State s{aMixture(x), bMixture(x), T, V};
  if (!(s.b > 0.0)) return noValue;
  const double ideal = IdealGas(EnthalpyKind, x, T) - R * T;
  return ideal + s.ResidualEnergy();
}

double Engine::Enthalpy(const Composition& x, double T, double V) {
  const State s{aMixture(x), bMixture(x), T, V};
  if (!(s.b < V) || !(0.0 < T)) return 0.0;
  if (!(s.b > 0.0)) return noValue;
  const double ideal = IdealGas(EnthalpyKind, x, T) - R * T;
  return ideal + (s.PV() + s.ResidualEnergy());
}

double Engine::Entropy(const Composition& x, double T, double V) {
  const State s{aMixture(x), bMixture(x), T, V};
  if (!(s.b < V) || !(0.0 < T)) return 0.0;
  if (!(s.b > 0.0)) return noValue;
  const double ideal = IdealGas(EntropyKind, x, T);
  return ideal + (s.ResidualEntropy() + MixingEntropy(*this, x, T, V));
}

namespace {

// A (withPV false) or G = A + PV (withPV true), J/mol.
double FreeEnergy(Engine& engine, const Composition& x, double T, double V, bool withPV) {
  const State s{engine.aMixture(x), engine.bMixture(x), T, V};
  if (!(s.b < V) || !(0.0 < T)) return 0.0;
  if (!(s.b > 0.0)) return noValue;
  const double enthalpy = engine.IdealGas(EnthalpyKind, x, T);
  const double ideal = enthalpy - R * T - T * engine.IdealGas(EntropyKind, x, T);
  const double residual = withPV ? s.ResidualHelmholtz() + s.PV() : s.ResidualHelmholtz();
  return ideal + (residual - T * MixingEntropy(engine, x, T, V));
}

}  // namespace

double Engine::Helmholtz(const Composition& x, double T, double V) { return FreeEnergy(*this, x, T, V, false); }

double Engine::Gibbs(const Composition& x, double T, double V) { return FreeEnergy(*this, x, T, V, true); }

double Engine::ChemicalPotential(int i, const Composition& x, double T, double V) {
  if (i < 0 || i >= ComponentCount) return noValue;
  const State s{aMixture(x), bMixture(x), T, V};
  if (!(s.b < V) || !(0.0 < T)) return 0.0;
  if (!(x[i] > 0.0)) return noValue;  // μ of an absent component has no finite value
  const Composition e = UnitComposition(i);
  const double enthalpy = IdealGas(EnthalpyKind, e, T);
  const double entropy = IdealGas(EntropyKind, e, T);

  double attraction = 0.0;  // Σ_j 2 x_j a(i, j) over the components present at fixed point
  for (int j = 0; j < ComponentCount; ++j) {
    RuntimeBackgroundTask();
    if (Int64ToDouble(FixedPointFraction(x[j])) > 0.0) attraction += 2.0 * x[j] * a[i][j];
  }
  const double sqrtT = s.sqrtT(), bi = b[i];
  double mu = enthalpy - R * T - T * entropy;
  mu += R * T;
  mu -= (attraction / (s.b * sqrtT) - s.a * bi / (s.b * s.b * sqrtT)) * s.lnPlus();
  mu -= s.a * bi / (s.b * sqrtT * (V + s.b));
  mu -= R * T * s.lnMinus();
  mu += R * T * bi / (V - s.b);
  mu -= R * T * std::log(standardPressure * V / (x[i] * R * T));
  return mu;
}

double Engine::Excess(int kind, const Composition& x, double T, double P, double M) {
  for (int i = 0; i < ComponentCount; ++i) {
    RuntimeBackgroundTask();
    if (FixedPointFraction(x[i]) == PrecisionFactor) return 0.0;  // a pure substance has no excess
  }
  if (kind < VolumeExcess || kind > GibbsExcess) return M;

  double excess = M;
  for (int i = 0; i < ComponentCount; ++i) {
    RuntimeBackgroundTask();
    if (!(FixedPointFraction(x[i]) > 0)) continue;
    const Composition e = UnitComposition(i);
    CubicRoots roots = Volume(e, T, P);
    const int rank = P < SaturationPressure(i, T) ? 0 : 2;  // vapour-like below saturation
    const double Vi = VolumeChoice(roots, rank);
    if (Vi == 0.0) return noValue;  // the pure component has no state at T and P
    double pure = Vi;
    switch (kind) {
      case EnergyExcess: pure = Energy(e, T, Vi); break;
      case EnthalpyExcess: pure = Enthalpy(e, T, Vi); break;
      case EntropyExcess: pure = Entropy(e, T, Vi); break;
      case HelmholtzExcess: pure = Helmholtz(e, T, Vi); break;
      case GibbsExcess: pure = Gibbs(e, T, Vi); break;
      default: break;
    }
    excess -= x[i] * pure;
    if (kind == EntropyExcess) excess += R * x[i] * std::log(x[i]);
    if (kind == HelmholtzExcess || kind == GibbsExcess) excess -= R * T * x[i] * std::log(x[i]);
  }
  return excess;
}
