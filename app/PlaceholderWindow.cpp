#include "app/PlaceholderWindow.h"

#include <array>
#include <stdexcept>

namespace app {

namespace {

const std::array<PlaceholderSpec, kPlaceholderCount>& Specs() {
  static const std::array<PlaceholderSpec, kPlaceholderCount> specs = {{
      {"BubbleDewPoint", "Bubble-Dew point", 635, 700, 400, 925},
      {"LiquidVapourEq", "Liquid-Vapour Equilibrium", 615, 700, 64, 835},
      {"SpinodalWindow", "Untitled", 460, 510, 0, 0, 0},
      {"CriticalPointWindow", "Critical Point", 450, 660, 0, 0, 0},
      {"EnergyWindow", "Internal Energy", 455, 640},
      {"EnthalpyWindow", "Enthalpy", 455, 610},
      {"EntropyWindow", "Entropy", 455, 640},
      {"HelmholtzWindow", "Helmholtz Energy", 460, 645},
      {"GibbsWindow", "Gibbs Free Energy", 470, 610},
      {"ChemPotWindow", "Chemical Potentials", 450, 730},
  }};
  return specs;
}

fw::WindowLayout LayoutOf(const PlaceholderSpec& spec) {
  fw::WindowLayout layout{.className = spec.className, .title = spec.title, .width = spec.width,
                          .height = spec.height, .placement = spec.placement, .controls = {}};
  layout.resizable = spec.maxHeight > 0;
  if (layout.resizable) {
    layout.minHeight = spec.minHeight;
    layout.maxHeight = spec.maxHeight;
  }
  return layout;
}

}  // namespace

const fw::WindowLayout& PlaceholderLayout(int index) {
  static const auto layouts = [] {
    std::array<fw::WindowLayout, kPlaceholderCount> all;
    for (int i = 0; i < kPlaceholderCount; ++i) all[i] = LayoutOf(Specs()[i]);
    return all;
  }();
  return layouts.at(index);
}

}  // namespace app
