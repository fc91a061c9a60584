#include "app/Procedures.h"

#include "framework/Window.h"
#include "windows/phase_equilibrium/BubbleDewPoint.h"
#include "windows/phase_equilibrium/LiquidVapourEq.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"
#include "windows/thermodynamic_functions/ThermoFunctionForm.h"
#include "windows/stability/CriticalPointWindow.h"
#include "windows/stability/SpinodalWindow.h"

namespace app {

namespace {

template <class W>
void Open() {
  fw::ShowWindow<W>();
}

}  // namespace

// One row per procedure: its radio, caption and place, and the window that "continue" shows.
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
      {"Spinodal", "Spinodal", 270, 90, "SpinodalWindow", Open<SpinodalWindow>},
      {"CriticalPoint", "Critical Point", 300, 115, "CriticalPointWindow",
       Open<CriticalPointWindow>},
      {"InternalEnergy", "Relative internal energy (U)", 330, 210, "EnergyWindow",
       Open<EnergyWindow>},
      {"Enthalpy", "Relative enthalpy (H)", 360, 170, "EnthalpyWindow",
       Open<EnthalpyWindow>},
      {"Entropy", "Entropy (S)", 390, 105, "EntropyWindow", Open<EntropyWindow>},
      {"HelmholtzEnergy", "Relative Helmholtz energy (A)", 420, 230, "HelmholtzWindow",
       Open<HelmholtzWindow>},
      {"GibbsEnergy", "Relative Gibbs energy (G)", 450, 230, "GibbsWindow",
       Open<GibbsWindow>},
      {"ChemicalPotentials", "Chemical potentials", 480, 160, "ChemPotWindow",
       Open<ChemPotWindow>},
  }};
  return procedures;
}

}  // namespace app
