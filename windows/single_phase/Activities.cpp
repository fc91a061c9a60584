#include "windows/single_phase/Activities.h"

#include <cmath>
#include <limits>

#include "engine/Globals.h"

namespace single_phase {

using namespace common;

namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr int kVapourLike = 0;  // RootRank of the largest root
constexpr int kLiquidLike = 2;  // RootRank of the smallest root

// Fugacity (MPa) of pure component i as the real gas at T (K) and P (MPa), at
// the root its saturation pressure picks: vapour-like below it, else liquid-like.
double PureRealFugacity(int i, double kelvin, double pressure) {
  if (!(kelvin > 0.0) || !(pressure > 0.0)) return kNoValue;
  Composition pure{};
  pure[i] = 1.0;
  CubicRoots roots = Globals.Volume(pure, kelvin, pressure);
  const int rank = pressure < Globals.SaturationPressure(i, kelvin) ? kVapourLike : kLiquidLike;
  const double volume = Globals.VolumeChoice(roots, rank, Globals.CoVolume(pure));
  if (!IsPhysicalVolume(pure, volume)) return kNoValue;
  Globals.Fugacities(pure, kelvin, pressure, volume);
  return Globals.Fugacity[i];
}

double Ratio(double fugacity, double standardFugacity) {
  if (!std::isfinite(standardFugacity) || standardFugacity == 0.0) return kNoValue;
  return fugacity / standardFugacity;
}

}  // namespace

std::array<std::optional<double>, 21> Activities(const RootCalculation& calc, double volume,
                                                 StandardState state, double referencePressure) {
  const Composition& x = calc.composition;
  const bool physical = IsPhysicalVolume(x, volume) && calc.kelvin > 0.0 && calc.pressure > 0.0;
  std::array<double, 21> mixture{};
  mixture.fill(kNoValue);
  if (physical) {
    Globals.Fugacities(x, calc.kelvin, calc.pressure, volume);
    mixture = Globals.Fugacity;
  }
  std::array<std::optional<double>, 21> activity{};
  for (int i = 0; i < ComponentCount; ++i) {
    if (state == StandardState::PureIdealAtReference) {
      activity[i] = referencePressure > 0.0 ? Ratio(mixture[i], referencePressure) : kNoValue;
    } else if (x[i] != 0.0) {
      const double standardPressure =
          state == StandardState::PureRealAtPressure ? calc.pressure : referencePressure;
      activity[i] = physical ? Ratio(mixture[i], PureRealFugacity(i, calc.kelvin, standardPressure))
                             : kNoValue;
    }
  }
  return activity;
}

}  // namespace single_phase
