// The pseudo-critical point of a mixture, and its true critical point: the
// molar volume at which, on the spinodal, the critical matrix's determinant
// vanishes too.
#pragma once

#include "stability/MixtureTerms.h"
#include "stability/SpinodalSearch.h"

namespace stability {

// The critical constants of one Redlich-Kwong fluid with the mixture's a
// (MPa·cm6·K^0.5/mol2) and b (cm3/mol), where Z = 1/3.
struct PseudoCriticalPoint {
  double volume;    // b/(2^(1/3) - 1), cm3/mol
  double kelvin;    // K
  double pressure;  // MPa
};
PseudoCriticalPoint PseudoCritical(double a, double b);

// Where a critical-point search ended.
struct CriticalSearchResult {
  bool found = false;   // stopped at a critical point
  double volume = 0.0;  // cm3/mol: the critical volume, else the last volume tried (0 if diverged)
  double kelvin = 0.0;  // K: the spinodal temperature there, 0 when there is none
};

// The critical point of a pure fluid: its pseudo-critical volume and the
// spinodal temperature there.
CriticalSearchResult PureCriticalPoint(const MixtureTerms& m, const Yield& yield);

// The secant search over the molar volume from the first guesses V1 and V2
// (cm3/mol) for the zero of F(V) = det Q*(T_s(V), V), T_s the spinodal
// temperature (starts 1000, 600, 300 K) and F the uncut determinant; F is 0 at
// a guess with no spinodal temperature. Each step is clamped to a fifth of the
// current volume. It stops on a relative step below 1e-10 or an exact zero of
// F, and finds a critical point only where the stop is one (IsCriticalPoint)
// at a pressure above 0. Where F vanished only because the null vector of Q
// has a zero last entry, it goes on from the same two points with the row of
// the null vector's largest entry replaced instead. Where that row is the last,
// or the stop is a zero of both criteria at a pressure not above 0 (no state
// of a fluid, yet a zero of F whatever the row), it starts again from the
// first guesses with each other row replaced in turn: the amounts by
// descending fraction, then the volume. All of it within one budget of 1001
// steps. It fails at a volume with no spinodal temperature (at or inside the
// co-volume, or none found), on a step of 1e9 or more or a volume of 0
// (diverged: 0 K at 0 cm3/mol), after 1001 steps (exhausted), or at a stop
// that is no critical point of the fluid.
CriticalSearchResult CriticalPointSearch(const MixtureTerms& m, double V1, double V2,
                                         const Yield& yield);

}  // namespace stability
