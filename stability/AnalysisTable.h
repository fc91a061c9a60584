// The table behind the critical-point search: at 250 molar volumes 2 cm3/mol
// apart, the spinodal temperature, the pressure there and det Q*.
#pragma once

#include "engine/Globals.h"
#include "stability/MixtureTerms.h"
#include "stability/SpinodalSearch.h"

namespace stability {

inline constexpr int kAnalysisRowCount = 250;
inline constexpr int kAnalysisVolumeStep = 2;  // cm3/mol

// The whole volume (cm3/mol) before the first row: the co-volume (cm3/mol) plus
// 4, rounded to the nearest integer, halves away from zero. The rows are this
// plus 2, 4, ..., 500, each more than 5 cm3/mol above the co-volume.
int AnalysisStartVolume(double coVolume);

struct AnalysisRow {
  int volume = 0;         // cm3/mol
  bool found = false;     // a spinodal temperature exists at this volume
  double kelvin = 0.0;    // the spinodal temperature, K
  double pressure = 0.0;  // MPa
  double zero = 0.0;      // det Q* as the analysis shows it: 0 when not above 1e-12
};

// The row at `volume` (cm3/mol), with the starts 1000, 600 and 300 K.
AnalysisRow AnalysisRowAt(Engine& engine, const MixtureTerms& m, int volume, const Yield& yield);

}  // namespace stability
