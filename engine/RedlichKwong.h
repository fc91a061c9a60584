// The Redlich-Kwong equation of state in its explicit direction, and its roots
// in molar volume.
#pragma once

#include <cmath>

#include "engine/Globals.h"

// The parts of the pressure, or of its slope, that repulsion and attraction
// make, each as a size: P = repulsion - attraction, ∂P/∂V = attraction - repulsion.
struct RedlichKwongTerms {
  double repulsion, attraction;
};

// P's terms R·T/(V - b) and a/(√T·V·(V + b)), MPa, for a in MPa cm6 K^0.5/mol2,
// b and V in cm3/mol, T in K; sqrtT is √T, taken once by callers that
// evaluate many volumes.
inline RedlichKwongTerms RedlichKwongPressureTerms(double a, double b, double T, double sqrtT,
                                                   double V) {
  return {(R * T) / (V - b), a / ((sqrtT * V) * (V + b))};
}

// P = R·T/(V - b) - a/(√T·V·(V + b)), MPa, with the units above.
inline double RedlichKwongPressure(double a, double b, double T, double V) {
  const RedlichKwongTerms terms = RedlichKwongPressureTerms(a, b, T, std::sqrt(T), V);
  return terms.repulsion - terms.attraction;
}

// The sizes of ∂P/∂V's terms R·T/(V - b)^2 and a·(2V + b)/(√T·V^2·(V + b)^2),
// MPa·mol/cm3, with the units above.
inline RedlichKwongTerms RedlichKwongSlopeTerms(double a, double b, double T, double sqrtT,
                                                double V) {
  return {(R * T) / ((V - b) * (V - b)), a * (2.0 * V + b) / (sqrtT * V * V * (V + b) * (V + b))};
}

// The roots V (cm3/mol) of the cubic at T (K) and P (MPa) for a mixture's a and
// b, arranged as CubicRoots describes, each real root above b polished on the
// pressure. P = 0 gives six zeros. A root that does not solve the cubic to its
// rounding has a NaN real part; a real root that does, but lies so close to b
// that no volume above b gives back P (near 0 K), is b itself: no state.
CubicRoots RedlichKwongRoots(double a, double b, double T, double P);
