#include "stability/AnalysisTable.h"

#include "engine/Services.h"
#include "stability/CriticalMatrix.h"
#include "stability/Determinant.h"

namespace stability {

int AnalysisStartVolume(double coVolume) {
  // A co-volume is a few hundred cm3/mol at most, far inside the int range.
  return static_cast<int>(DoubleToInt64(coVolume + 4.0));
}

AnalysisRow AnalysisRowAt(Engine& engine, const MixtureTerms& m, int volume, const Yield& yield) {
  AnalysisRow row;
  row.volume = volume;
  const double V = volume;
  const double T = SpinodalLadder(m, V, kCriticalStarts, yield);
  if (T == 0.0) return row;
  row.found = true;
  row.kelvin = T;
  row.pressure = engine.Pressure(m.composition, T, V);
  Matrix q = CriticalMatrix(m, T, V);
  row.zero = Det_LU_Decomposition(q);
  return row;
}

}  // namespace stability
