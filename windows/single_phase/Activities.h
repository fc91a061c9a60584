// Activities of the components of a mixture against one of three standard
// states: the pure real gas at the mixture's pressure or at a reference
// pressure, or the pure ideal gas at the reference pressure.
#pragma once

#include <array>
#include <optional>

#include "windows/common/RootChoiceForm.h"

namespace single_phase {

enum class StandardState {
  PureRealAtPressure,    // pure real gas at the calculation's T and P
  PureRealAtReference,   // pure real gas at T and P(ref.)
  PureIdealAtReference,  // pure ideal gas at T and P(ref.): its fugacity is P(ref.)
};

// The activity (dimensionless) of each component, a_i = f_i / f°_i, with f_i the
// mixture's fugacity at `volume` (cm3/mol) and the calculation's T and P, and f°_i
// that of the standard state at T (reference pressure in MPa). Entries are set for
// the components with a fraction other than 0, and for all 21 under the ideal
// state; NaN where no activity exists (no physical mixture or standard state).
std::array<std::optional<double>, 21> Activities(const common::RootCalculation& calc, double volume,
                                                 StandardState state, double referencePressure);

}  // namespace single_phase
