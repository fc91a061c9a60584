// The two phase-equilibrium searches and their first approaches:
// homogenization (the bubble or dew pressure at a given temperature, or the
// temperature at a given pressure) and the liquid-vapour equilibrium of the
// mixture held at a given molar volume and temperature.
//
// Units: T in K, P in MPa, V in cm3/mol; compositions are mole fractions in
// ComponentIndex order.
#pragma once

#include <optional>

#include "engine/PhaseSplitSearch.h"

// An editable starting point of a search: distribution coefficients and the
// two phase compositions.
struct FirstApproach {
  Composition K{};  // Wilson K-values, y_i / x_i
  Composition x{};  // Phase X (liquid-like)
  Composition y{};  // Phase Y (vapour-like)
};

// The Normaliser, also for entries beyond its fixed-point range (a K-value far
// below 1 at a dew point puts z_i/K_i there): such a phase is first divided by
// its largest entry, and the sum returned is scaled back by it. NaN for an
// entry that is not finite; x is then unchanged.
double NormaliseWide(Engine& engine, Composition& x);

// Homogenization: Wilson K-values at T (K) and P (MPa), the composition step
// with `split` (0: the mixture is Phase X, a bubble point; 1: it is Phase Y, a
// dew point), each phase then rescaled to a fixed-point total of one.
FirstApproach HomogenizationFirstApproach(Engine& engine, const Composition& z, double T, double P,
                                          double split);

struct HomogenizationSetup {
  Composition z{};             // the mixture
  Composition x{}, y{};        // start compositions of Phase X and Phase Y
  bool pressureSought = true;  // true: P is sought at the given T; false: T at the given P
  double givenT = 0.0;         // K, when the pressure is sought
  double givenP = 0.0;         // MPa, when the temperature is sought
  double start = 0.0;          // first value of the sought variable (MPa or K)
  double split = 0.0;          // 0: bubble point, 1: dew point
};

// The search for the bubble (split 0) or dew (split 1) pressure of z at T (K)
// from the first approach at the Raoult bubble or dew pressure.
HomogenizationSetup PressureSearchFromRaoult(Engine& engine, const Composition& z, double T,
                                             double split);

// The pressure (bracket 0.9 start .. start) or temperature (start - 10 ..
// start) at which the sums of the two rescaled phase compositions agree. The
// compositions returned are rescaled to a total of one.
PhaseSplit HomogenizationSearch(Engine& engine, const HomogenizationSetup& setup,
                                const Yield& yield);

// Liquid-vapour equilibrium: the mean of the Raoult bubble and dew pressures
// of z at T (K), MPa.
double MeanRaoultPressure(Engine& engine, const Composition& z, double T);

// Wilson K-values at T (K) and P (MPa) and the composition step with split 0.5,
// each phase divided by its sum (a sum not above 0 counts as 1).
FirstApproach LiquidVapourFirstApproach(Engine& engine, const Composition& z, double T, double P);

struct LiquidVapourSetup {
  Composition z{};              // the mixture
  Composition K{};              // distribution coefficients to start from
  double volume = 0.0;          // cm3/mol, the mixture's molar volume
  double T = 0.0;               // K
  double startP = 0.0;          // MPa, first value of the pressure
  double vapourFraction = 0.0;  // first share of the volume taken by Phase Y
};

struct LiquidVapourSplit {
  // False when the start compositions have a sum that is not above 0 or not
  // finite (K-values all 0, for example): no pass was made.
  bool started = false;
  PhaseSplit split;
  double vapourFraction = 0.0;  // share of the volume in Phase Y at the last point
};

// The pressure at which the mixture at `volume` and T splits into two phases
// whose volumes add up to `volume`: every pass takes the split from the volume
// balance of the two phases, and the residual is the difference of the two
// phase sums. A pass whose sums are not above 0 or not finite ends the search
// as diverged, with the compositions of the pass before.
LiquidVapourSplit LiquidVapourSearch(Engine& engine, const LiquidVapourSetup& setup,
                                     const Yield& yield);

// True when a vapour volume fraction is a share of the volume: above 0, at most 1.
inline bool IsVolumeShare(double vapourFraction) {
  return vapourFraction > 0.0 && vapourFraction <= 1.0;
}

// The mixture z held at `volume` (cm3/mol) and T (K) as one phase: its own
// pressure there (MPa), and both phases the mixture itself, each with that
// molar volume and the mixture's fugacity coefficients (K-values all 1).
// Empty where the mixture cannot be one phase there: its pressure is not above
// 0 or not finite, or does not fall as the volume grows (mechanically
// unstable), or `volume` is not above its co-volume.
// - A returned state has overwritten the engine's Coefficient and Fugacity
//   arrays with its own values (Fugacities at this state); an empty result
//   leaves them as they were.
// - A fugacity coefficient is NaN where φ_i is not a finite double above 0:
//   close to the co-volume, within about 0.5 % of it for most mixtures and
//   up to 2 % where a trace component's co-volume is many times the mixture's.
// - The run is no search: its point is the pressure, its outcome OnePhase and
//   its last pass 0, so that SecantRun::Failed() is true. Callers read the
//   state itself, not the run, as the result.
std::optional<PhaseSplit> OnePhaseState(Engine& engine, const Composition& z, double volume,
                                        double T);
