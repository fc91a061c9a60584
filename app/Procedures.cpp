#include "app/Procedures.h"

#include "app/PlaceholderWindow.h"
#include "framework/Window.h"

namespace app {

namespace {

template <class W>
void Open() {
  fw::ShowWindow<W>();
}

template <int Index>
using Stand = PlaceholderWindow<Index>;

}  // namespace

// One row per procedure; a real window replaces its stand-in by changing `Open<...>`.
const std::array<Procedure, 15>& Procedures() {
  static const std::array<Procedure, 15> procedures = {{
      {"MolarVolumes", "Molar Volumes", 60, 130, "VolumeWindow", Open<Stand<kVolumeWindow>>},
      {"Pressures", "Pressures", 90, 100, "PressureWindow", Open<Stand<kPressureWindow>>},
      {"Temperatures", "Temperatures", 120, 125, "TemperatureWindow",
       Open<Stand<kTemperatureWindow>>},
      {"Fugacities", "Fugacities", 148, 100, "FugacityWindow", Open<Stand<kFugacityWindow>>},
      {"Activities", "Activities", 180, 90, "ActivityWindow", Open<Stand<kActivityWindow>>},
      {"Homogenisation", "Homogenization", 210, 145, "BubbleDewPoint",
       Open<Stand<kBubbleDewPoint>>},
      {"LiquidVapour", "Liquid-Vapour equilibria", 240, 200, "LiquidVapourEq",
       Open<Stand<kLiquidVapourEq>>},
      {"Spinodal", "Spinodal", 270, 90, "SpinodalWindow", Open<Stand<kSpinodalWindow>>},
      {"CriticalPoint", "Critical Point", 300, 115, "CriticalPointWindow",
       Open<Stand<kCriticalPointWindow>>},
      {"InternalEnergy", "Relative internal energy (U)", 330, 210, "EnergyWindow",
       Open<Stand<kEnergyWindow>>},
      {"Enthalpy", "Relative enthalpy (H)", 360, 170, "EnthalpyWindow",
       Open<Stand<kEnthalpyWindow>>},
      {"Entropy", "Entropy (S)", 390, 105, "EntropyWindow", Open<Stand<kEntropyWindow>>},
      {"HelmholtzEnergy", "Relative Helmholtz energy (A)", 420, 230, "HelmholtzWindow",
       Open<Stand<kHelmholtzWindow>>},
      {"GibbsEnergy", "Relative Gibbs energy (G)", 450, 230, "GibbsWindow",
       Open<Stand<kGibbsWindow>>},
      {"ChemicalPotentials", "Chemical potentials", 480, 160, "ChemPotWindow",
       Open<Stand<kChemPotWindow>>},
  }};
  return procedures;
}

}  // namespace app
