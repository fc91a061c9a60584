// The equation-of-state engine: Redlich-Kwong with the Chueh-Prausnitz mixing
// rules for mixtures of up to 21 components, and the module state that every
// window shares.
//
// Units throughout: T in K, P in MPa, V in cm3/mol, density in g/cm3, energies
// and chemical potentials in J/mol, entropies and heat capacities in J/(mol K),
// a in MPa cm6 K^0.5/mol2, b in cm3/mol. R is in J/(mol K), which is also
// MPa cm3/(mol K).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

// Mole fractions (or any per-component values) in ComponentIndex order.
using Composition = std::array<double, 21>;

// The three roots of a cubic: row 0 the real parts, row 1 the imaginary parts.
// With three real roots, column 2 holds the largest, column 0 the middle and
// column 1 the smallest; with one real root it is column 0 and columns 1 and 2
// hold the complex pair (negative imaginary part in column 1 when the pair comes
// from a positive reduced coefficient p).
using CubicRoots = std::array<std::array<double, 3>, 2>;

inline constexpr int ComponentCount = 21;

// True when some component of x has a fraction above 0: a composition with none
// (after "clear" in the fluid window) is no mixture and has no state.
inline bool AnyComponentPresent(const Composition& x) {
  for (double xi : x)
    if (xi > 0.0) return true;
  return false;
}

enum ComponentIndex : int {
  H2O = 0, CO2, N2, H2S, NH3, H2, O2, CO, He, Ne, Ar,
  CH4, C2H6, C3H8, iC4H10, nC4H10, iC5H12, nC5H12, nC6H14, nC7H16, nC8H18
};

inline constexpr std::array<std::string_view, 21> ComponentName = {
    "H2O", "CO2", "N2", "H2S", "NH3", "H2", "O2", "CO", "He", "Ne", "Ar",
    "CH4", "C2H6", "C3H8", "iC4H10", "nC4H10", "iC5H12", "nC5H12", "nC6H14", "nC7H16", "nC8H18"};

// Gas constant, J/(mol K) = MPa cm3/(mol K).
constexpr double R = 8.314472;

// Selectors of VolumeChoice (RootRank): 0 largest (vapour-like), 1 middle,
// 2 smallest (liquid-like). Of IdealGas (IdealGasKind): 0 heat capacity,
// 1 entropy, 2 enthalpy. Of Excess (ExcessKind): 0 molar volume, 1 internal
// energy, 2 enthalpy, 3 entropy, 4 Helmholtz energy, 5 Gibbs energy.

class Engine {
 public:
  Engine() = default;

  // ---- Module state -------------------------------------------------------
  Composition fraction{};                        // the shared composition
  std::array<std::int64_t, 21> IntegerFraction{}; // typed fractions, fixed point (fluid window)
  std::int64_t PrecisionFactor = 1'000'000'000'000;  // scale of every fixed-point fraction

  // The component constants and the mixing rules' per-component parameters
  // below are 0 until the first engine call that needs them fills them; they
  // hold constants and keep them (nothing may write them).
  std::array<double, 21> Ttrip{};     // K, filled by CriticalValues
  std::array<double, 21> Tcrit{};     // K
  std::array<double, 21> Pcrit{};     // MPa
  std::array<double, 21> Vcrit{};     // cm3/mol
  std::array<double, 21> Acentric{};  // dimensionless
  std::array<double, 21> MM{};        // g/mol, filled by MolecularMasses

  // a(i, j) in MPa cm6 K^0.5/mol2, every entry (diagonal and all pairs), and
  // b(i) in cm3/mol: filled by the first aMixture or bMixture call.
  std::array<std::array<double, 21>, 21> a{};
  std::array<double, 21> b{};

  std::array<double, 21> Fugacity{};     // MPa, written by Fugacities
  std::array<double, 21> Coefficient{};  // fugacity coefficients, written by Fugacities
  std::array<double, 21> Activity{};     // written by the activity window
  std::array<double, 21> K_liq_vap{};    // distribution coefficients of the phase windows
  std::array<double, 21> xgas{};         // phase X (liquid-like) composition
  std::array<double, 21> ygas{};         // phase Y (vapour-like) composition
  std::array<double, 4> MolarVolumes{};  // cm3/mol, entries 0..2: the last roots (0 for complex)

  double TempKelvin = 0.0;  // K, last calculation
  double PresMPa = 0.0;     // MPa, last calculation
  double Vexcess = 0.0;     // cm3/mol, last root choice

  // ---- Fixed point -------------------------------------------------------
  // DoubleToInt64(1e12 * x): rounded to nearest, clamped to the int64 range.
  std::int64_t FixedPointFraction(double x) const;

  // ---- Component constants ---------------------------------------------
  void CriticalValues();   // fills Ttrip, Tcrit, Pcrit, Vcrit, Acentric
  void MolecularMasses();  // fills MM

  // ---- Mixing rules ------------------------------------------------------
  // Mixture attraction parameter Σ x_i x_j a(i,j) over the components with
  // x > 0, MPa cm6 K^0.5/mol2. The whole of `a` and the constant tables hold
  // their values after it.
  double aMixture(const Composition& x);
  // Mixture co-volume Σ x_i b_i over the components with x > 0, cm3/mol.
  // `b` and the constant tables hold their values after it.
  double bMixture(const Composition& x);
  // The mixture's co-volume, cm3/mol (same value as bMixture). No property is
  // defined at a molar volume that is not above it.
  double CoVolume(const Composition& x);

  // ---- Pressure and temperature ----------------------------------------
  // Redlich-Kwong pressure, MPa. 0 when V is not above the co-volume or T is
  // not above 0 (NaN arguments included).
  double Pressure(const Composition& x, double T, double V);
  // The temperature, K, at which the pressure at V equals P (any P: the
  // pressure rises strictly with T). Empty when V is not above the co-volume,
  // an argument is not finite, or the search did not converge.
  std::optional<double> Temperature(const Composition& x, double P, double V);

  // ---- Cubic roots, molar volume, density ------------------------------
  // Roots of t^3 + c1 t^2 + c2 t + c3 = 0 in closed form, arranged as
  // CubicRoots describes. Handles the reduced coefficients p = 0 and q = 0.
  static CubicRoots CubicEquation(double c1, double c2, double c3);
  // Roots V (cm3/mol) of the Redlich-Kwong cubic at T (K) and P (MPa). P = 0
  // gives six zeros. A root that does not solve the cubic to its rounding has a
  // NaN real part, and a real root within rounding of the co-volume is the
  // co-volume (no state). Also records the mixture's co-volume for VolumeChoice.
  CubicRoots Volume(const Composition& x, double T, double P);
  // One real root, cm3/mol, among the real roots above the co-volume: rank 0
  // the largest, 2 the smallest, 1 the middle one of three (the smaller of
  // two); any other rank the largest. The co-volume is that of the mixture of
  // the last Volume call on this Engine (0 before any call). Sets the real part
  // of every complex root in `roots` to 0. Returns 0 when no real root lies
  // above the co-volume.
  double VolumeChoice(CubicRoots& roots, int rank);
  // The same with the co-volume (cm3/mol) given explicitly.
  static double VolumeChoice(CubicRoots& roots, int rank, double coVolume);
  // Mass density, g/cm3: Σ x_i MM_i / V. 0 when V is not above 0.
  double Density(const Composition& x, double V);

  // ---- Fugacities --------------------------------------------------------
  // Writes Coefficient (φ_i) and Fugacity (x_i φ_i P, MPa) for all 21
  // components. When P is not above 0, T not above 0 or V not above the
  // co-volume: every coefficient 1 and every fugacity 0. A φ_i that is not
  // representable (exp(ln φ_i) overflows, underflows to 0 or is NaN) is NaN.
  void Fugacities(const Composition& x, double T, double P, double V);

  // ---- Saturation pressures and first approaches -----------------------
  // Saturation pressure of pure component i at T, MPa (negative values of the
  // straight-line correlations are returned as they are). 0 for T not above 0;
  // NaN for an index outside 0..20.
  double SaturationPressure(int i, double T);
  // Raoult bubble (mode 0) or dew (mode 1) pressure, MPa; 0 for other modes,
  // and for a dew sum that is not above 0 or not finite.
  double RaoultPressure(const Composition& x, double T, int mode);
  // Wilson K-values (dimensionless) of all 21 components; all 1 when T or P is
  // not above 0.
  std::array<double, 21> WilsonDistribution(double T, double P);
  // Rescales x in place so that it sums to one at fixed point, and returns the
  // fixed-point sum it found (as a fraction; 1 when it already summed to one,
  // then x is unchanged). A sum of 0 returns 0 and leaves x unchanged. An entry
  // that is not finite or beyond ±4e5 (whose fixed-point value could overflow
  // the sum) returns NaN and leaves x unchanged: a failed pass for the caller.
  // Does not touch IntegerFraction, which holds the fluid window's entries.
  double Normaliser(Composition& x);

  // ---- Ideal gas and thermodynamic functions ---------------------------
  // Ideal-gas mixture property against 298.15 K and 0.1 MPa: kind 0 Cp
  // (J/(mol K)), 1 entropy at 0.1 MPa (J/(mol K)), 2 enthalpy with formation
  // enthalpies (J/mol); other kinds and T not above 0 give 0.
  double IdealGas(int kind, const Composition& x, double T);
  // Molar properties of the mixture at T (K) and V (cm3/mol): ideal-gas part
  // + Redlich-Kwong residual (+ mixing term for S, A, G). Energy gives 0 unless
  // V > 0 and T > 0; the others unless V > co-volume and T > 0. An empty
  // composition (co-volume 0) gives NaN: it has no such property.
  double Energy(const Composition& x, double T, double V);     // U, J/mol
  double Enthalpy(const Composition& x, double T, double V);   // H, J/mol
  double Entropy(const Composition& x, double T, double V);    // S, J/(mol K)
  double Helmholtz(const Composition& x, double T, double V);  // A, J/mol
  double Gibbs(const Composition& x, double T, double V);      // G, J/mol
  // Chemical potential of component i, J/mol, against its pure ideal gas at
  // 298.15 K and 0.1 MPa. 0 unless V > co-volume and T > 0; NaN for an index
  // outside 0..20 or a component whose fraction is not above 0.
  double ChemicalPotential(int i, const Composition& x, double T, double V);

  // ---- Excess properties -------------------------------------------------
  // Excess property of kind `kind` (ExcessKind) for the mixture value M (unit
  // of the kind) at T (K) and P (MPa): M minus the ideal mixture of the pure
  // components, each at its own vapour-like (P below its saturation pressure)
  // or liquid-like root. 0 for a pure substance; M for a kind outside 0..5.
  // NaN when a present component has no real root above its co-volume at T, P.
  // Of kind 0, M is a molar volume of the mixture at T and P, as the callers
  // pass it; where the volumes are of the size of R·T/P the difference is taken
  // without cancelling them, and NaN stands for a result with no digit.
  double Excess(int kind, const Composition& x, double T, double P, double M);

 private:
  // Fills the constant tables, a and b once: they never change afterwards.
  void FillConstantTables();
  // Energy, Enthalpy, Entropy, Helmholtz or Gibbs (0 to 4) of the mixture.
  double MixtureFunction(int function, const Composition& x, double T, double V);

  bool constantTablesFilled_ = false;
  double lastVolumeCoVolume_ = 0.0;  // co-volume of the last Volume call
};

// The process-wide module state. Tests make Engine objects of their own.
extern Engine Globals;
