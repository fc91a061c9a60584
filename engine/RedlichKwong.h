// The Redlich-Kwong equation of state in its explicit direction.
#pragma once

#include <cmath>

#include "engine/Globals.h"

// P = R·T/(V - b) - a/(√T·V·(V + b)), MPa, for a in MPa cm6 K^0.5/mol2, b and
// V in cm3/mol, T in K.
inline double RedlichKwongPressure(double a, double b, double T, double V) {
  return (R * T) / (V - b) - a / ((std::sqrt(T) * V) * (V + b));
}
