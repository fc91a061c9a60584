// A reference computed apart from the phase searches: the saturation pressure
// of a pure component as the pressure at which its liquid-like and vapour-like
// roots have one fugacity.
#pragma once

#include "engine/Globals.h"

namespace engine_test {

// The saturation pressure (MPa) of pure `component` at T (K), by bisection
// between `low` and `high` (MPa), which must bracket it.
inline double SaturationByEqualFugacity(int component, double T, double low, double high) {
  Engine engine;
  Composition x{};
  x[component] = 1.0;
  const auto liquidEscapesMore = [&](double P) {
    CubicRoots roots = engine.Volume(x, T, P);
    const double liquid = engine.VolumeChoice(roots, 2);
    const double vapour = engine.VolumeChoice(roots, 0);
    engine.Fugacities(x, T, P, liquid);
    const double phiLiquid = engine.Coefficient[component];
    engine.Fugacities(x, T, P, vapour);
    return phiLiquid > engine.Coefficient[component];
  };
  for (int k = 0; k < 200 && high - low > 1e-13 * high; ++k) {
    const double mid = 0.5 * (low + high);
    (liquidEscapesMore(mid) ? low : high) = mid;  // true below the saturation pressure
  }
  return 0.5 * (low + high);
}

}  // namespace engine_test
