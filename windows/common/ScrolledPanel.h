// A window taller inside than on screen: all its controls sit on one panel
// (`Rectangle1`) that a vertical scroll bar (`ScrollBar1`) at the right edge
// moves, and the window's height may change between fixed limits.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/Layout.h"
#include "framework/Window.h"

namespace common {

// The numbers of one scrolled window, in pixels.
struct ScrolledPanelSize {
  int panelWidth;   // the window's width less the scroll bar
  int panelHeight;  // the window's greatest height
  int startHeight;  // the window's height when created
};

inline constexpr int kScrollBarWidth = 15;

// The scroll bar's height and maximum at one window height.
struct ScrollFit {
  int barHeight;
  int maximum;
};
ScrollFit FitScrollBar(const ScrolledPanelSize& size, int windowHeight);

// The panel row (first in the layout) and the scroll bar row.
fw::ControlSpec PanelRow(const ScrolledPanelSize& size);
fw::ControlSpec ScrollBarRowFor(const ScrolledPanelSize& size);

// The layout of a scrolled window: as wide as its panel and scroll bar,
// resizable in height from `minHeight` to the panel's height; the panel first,
// then the rows of `parts` on it, then the scroll bar.
fw::WindowLayout ScrolledWindowLayout(std::string className, QString title, int minHeight,
                                      const ScrolledPanelSize& size,
                                      std::initializer_list<std::vector<fw::ControlSpec>> parts);

// The panel's name, for the parent column of the controls on it.
inline const std::string kPanel = "Rectangle1";

// Binds ScrollBar1's ValueChanged and lets the mouse wheel over the panel move
// the bar; the window calls Resizing() from Event_Resizing.
class ScrolledPanel {
 public:
  ScrolledPanel(fw::Window& window, ScrolledPanelSize size);
  // Fits the scroll bar to the window's current height.
  void Resizing();

 private:
  void ScrollBar1_ValueChanged();

  fw::Window& window_;
  ScrolledPanelSize size_;
};

}  // namespace common
