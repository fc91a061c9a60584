// The Redlich-Kwong equation of state in its explicit direction, and its roots
// in molar volume.
#pragma once

#include <cmath>

#include "engine/Globals.h"

// P = R·T/(V - b) - a/(√T·V·(V + b)), MPa, for a in MPa cm6 K^0.5/mol2, b and
// V in cm3/mol, T in K.
inline double RedlichKwongPressure(double a, double b, double T, double V) {
  return (R * T) / (V - b) - a / ((std::sqrt(T) * V) * (V + b));
}

// ∂P/∂V at constant T and composition, MPa·mol/cm3, with the units above.
inline double RedlichKwongPressureSlope(double a, double b, double T, double V) {
  const double repulsion = -(R * T) / ((V - b) * (V - b));
  return repulsion + a * (2.0 * V + b) / (std::sqrt(T) * V * V * (V + b) * (V + b));
}

// The roots V (cm3/mol) of the cubic at T (K) and P (MPa) for a mixture's a and
// b, arranged as CubicRoots describes, each real root above b polished on the
// pressure. P = 0 gives six zeros. A root that does not solve the cubic to its
// rounding has a NaN real part; a real root that does, but lies so close to b
// that no volume above b gives back P (near 0 K), is b itself: no state.
CubicRoots RedlichKwongRoots(double a, double b, double T, double P);
