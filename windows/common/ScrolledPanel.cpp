#include "windows/common/ScrolledPanel.h"

namespace common {

ScrollFit FitScrollBar(const ScrolledPanelSize& size, int windowHeight) {
  return {windowHeight - kScrollBarWidth, size.panelHeight - windowHeight};
}

fw::ControlSpec PanelRow(const ScrolledPanelSize& size) {
  return fw::RectangleRow(kPanel, 0, 0, size.panelWidth, size.panelHeight, {}, fw::NoBorder);
}

fw::ControlSpec ScrollBarRowFor(const ScrolledPanelSize& size) {
  const ScrollFit fit = FitScrollBar(size, size.startHeight);
  return fw::ScrollBarRow("ScrollBar1", size.panelWidth, 0, kScrollBarWidth, fit.barHeight,
                          fit.maximum);
}

ScrolledPanel::ScrolledPanel(fw::Window& window, ScrolledPanelSize size)
    : window_(window), size_(size) {
  fw::ScrollBar& bar = window_.ScrollBarOf("ScrollBar1");
  bar.setSingleStep(1);
  bar.setPageStep(size_.startHeight);
  bar.setTracking(false);  // the panel follows when the thumb is released
  window_.OnValueChanged("ScrollBar1", [this] { ScrollBar1_ValueChanged(); });
}

void ScrolledPanel::ScrollBar1_ValueChanged() {
  window_.SetTop(kPanel, -window_.ScrollBarOf("ScrollBar1").Value());
  window_.Control(kPanel).update();
}

void ScrolledPanel::Resizing() {
  const ScrollFit fit = FitScrollBar(size_, window_.Height());
  fw::ScrollBar& bar = window_.ScrollBarOf("ScrollBar1");
  bar.SetHeight(fit.barHeight);
  bar.SetMaximum(fit.maximum);
}

}  // namespace common
