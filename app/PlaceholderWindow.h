// Stand-ins for the calculation windows that are not built yet: an empty window
// with the title and size of the real one, under the real one's class name, so
// that the procedure window's rules (one instance per class, shown on "continue")
// already hold for them.
#pragma once

#include <QString>

#include "framework/Window.h"

namespace app {

struct PlaceholderSpec {
  const char* className;
  QString title;
  int width, height;
  int minHeight = 0, maxHeight = 0;  // both 0: not resizable
  int placement = 2;                 // 0: centred, as the stability windows are
};

// The layout of stand-in number `index` (see PlaceholderWindow.cpp).
const fw::WindowLayout& PlaceholderLayout(int index);

template <int Index>
class PlaceholderWindow : public fw::Window {
 public:
  PlaceholderWindow() : fw::Window(Layout()) {}
  static const fw::WindowLayout& Layout() { return PlaceholderLayout(Index); }
};

// The stand-ins by the real class names.
enum Placeholder {
  kBubbleDewPoint, kLiquidVapourEq, kSpinodalWindow, kCriticalPointWindow, kEnergyWindow,
  kEnthalpyWindow, kEntropyWindow, kHelmholtzWindow, kGibbsWindow, kChemPotWindow,
  kPlaceholderCount
};

}  // namespace app
