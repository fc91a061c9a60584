// The ideal-gas table of the components at one temperature, shared by the
// thermodynamic functions, the chemical potentials and the excess properties.
#pragma once

#include "engine/Mixture.h"

namespace ideal_gas {

// Every component's entropy at 0.1 MPa, S298 + ∫ Cp/t dt from 298.15 K
// (J/(mol K)), and enthalpy, dfH298 + ∫ Cp dt from 298.15 K (J/mol), at T (K,
// above 0). Entries 21 to 23 hold 0.
struct PureValues {
  mixture::Row entropy;
  mixture::Row enthalpy;
};

PureValues PureValuesAt(double T);

}  // namespace ideal_gas
