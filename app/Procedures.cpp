#include "app/Procedures.h"

#include "app/PlaceholderWindow.h"
#include "framework/Window.h"
#include "windows/phase_equilibrium/BubbleDewPoint.h"
#include "windows/phase_equilibrium/LiquidVapourEq.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

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
      {"MolarVolumes", "Molar Volumes", 60, 130, "VolumeWindow", Open<VolumeWindow>},
      {"Pressures", "Pressures", 90, 100, "PressureWindow", Open<PressureWindow>},
      {"Temperatures", "Temperatures", 120, 125, "TemperatureWindow",
       Open<TemperatureWindow>},
      {"Fugacities", "Fugacities", 148, 100, "FugacityWindow", Open<FugacityWindow>},
      {"Activities", "Activities", 180, 90, "ActivityWindow", Open<ActivityWindow>},
      {"Homogenisation", "Homogenization", 210, 145, "BubbleDewPoint", Open<BubbleDewPoint>},
      {"LiquidVapour", "Liquid-Vapour equilibria", 240, 200, "LiquidVapourEq",
       Open<LiquidVapourEq>},
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
