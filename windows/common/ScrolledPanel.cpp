#include "windows/common/ScrolledPanel.h"

#include <QEvent>
#include <QWheelEvent>
#include <cstdlib>
#include <utility>

namespace common {

namespace {

// Pixels the panel moves for one notch of the mouse wheel: about three lines of text.
constexpr int kPixelsPerWheelNotch = 60;
constexpr int kAnglePerWheelNotch = 120;  // eighths of a degree

// Moves the scroll bar by the vertical turns of the mouse wheel over the panel
// (and whatever lies on it and leaves the wheel alone) or over the bar itself;
// the panel then follows the bar as it does for any other move.
class WheelScroller : public QObject {
 public:
  WheelScroller(QObject* parent, fw::ScrollBar& bar) : QObject(parent), bar_(bar) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Wheel) return false;
    const auto* wheel = static_cast<const QWheelEvent*>(event);
    const QPoint angle = wheel->angleDelta();
    if (std::abs(angle.x()) > std::abs(angle.y())) return false;  // a sideways turn
    const int pixels = wheel->pixelDelta().isNull()
                           ? angle.y() * kPixelsPerWheelNotch / kAnglePerWheelNotch
                           : wheel->pixelDelta().y();
    bar_.SetValue(bar_.Value() - pixels);  // the bar keeps the value within 0..maximum
    return true;
  }

 private:
  fw::ScrollBar& bar_;
};

}  // namespace

ScrollFit FitScrollBar(const ScrolledPanelSize& size, int windowHeight) {
  return {windowHeight - kScrollBarWidth, size.panelHeight - windowHeight};
}

fw::WindowLayout ScrolledWindowLayout(std::string className, QString title, int minHeight,
                                      const ScrolledPanelSize& size,
                                      std::initializer_list<std::vector<fw::ControlSpec>> parts) {
  fw::WindowLayout l{.className = std::move(className),
                     .title = std::move(title),
                     .width = size.panelWidth + kScrollBarWidth,
                     .height = size.startHeight,
                     .resizable = true,
                     .minHeight = minHeight,
                     .maxHeight = size.panelHeight,
                     .controls = {PanelRow(size)}};
  for (const auto& rows : parts) l.controls.insert(l.controls.end(), rows.begin(), rows.end());
  l.controls.push_back(ScrollBarRowFor(size));
  return l;
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
  auto* scroller = new WheelScroller(&window_, bar);
  window_.Control(kPanel).installEventFilter(scroller);
  bar.installEventFilter(scroller);
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
