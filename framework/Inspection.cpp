#include "framework/Inspection.h"

#include <QFontMetrics>
#include <QStyle>

#include "framework/Window.h"

namespace fw {

namespace {

// Room that a push button's frame and margins take from its caption, pixels.
constexpr int kButtonMargins = 8;
// Room that a group box's frame takes from each side of its caption, pixels.
constexpr int kGroupBoxMargins = 8;

bool TextFits(const StaticText& text) {
  const QFontMetrics metrics(text.font());
  const QString shown = text.text();
  if (text.wordWrap()) {
    const QRect needed = metrics.boundingRect(QRect(0, 0, text.width(), 100000),
                                              Qt::TextWordWrap | Qt::AlignLeft, shown);
    return needed.width() <= text.width() && needed.height() <= text.height();
  }
  const QStringList lines = shown.split(QChar('\n'));
  int widest = 0;
  for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest <= text.width() && lines.size() * metrics.height() <= text.height();
}

bool RadioFits(const RadioButton& radio) {
  if (radio.text().isEmpty()) return true;
  const QStyle* style = radio.style();
  const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &radio) +
                        style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &radio);
  return indicator + QFontMetrics(radio.font()).horizontalAdvance(radio.text()) <= radio.width();
}

bool ButtonFits(const PushButton& button) {
  return QFontMetrics(button.font()).horizontalAdvance(button.text()) + kButtonMargins <=
         button.width();
}

bool GroupBoxFits(const GroupBox& group) {
  if (group.title().isEmpty()) return true;
  return QFontMetrics(group.font()).horizontalAdvance(group.title()) + 2 * kGroupBoxMargins <=
         group.width();
}

// A one-line text widens its own box to fit, so it is clipped only where that
// box leaves the control (or window) it lies in.
bool InsideParent(const QWidget& control) {
  const QWidget* parent = control.parentWidget();
  return !parent || parent->rect().contains(control.geometry());
}

bool Fits(const QWidget& control) {
  if (auto* text = qobject_cast<const StaticText*>(&control))
    return TextFits(*text) && InsideParent(control);
  if (auto* radio = qobject_cast<const RadioButton*>(&control)) return RadioFits(*radio);
  if (auto* button = qobject_cast<const PushButton*>(&control)) return ButtonFits(*button);
  if (auto* group = qobject_cast<const GroupBox*>(&control)) return GroupBoxFits(*group);
  return true;
}

}  // namespace

std::vector<std::string> ClippedControls(const Window& window) {
  std::vector<std::string> clipped;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->objectName().isEmpty() || window.Find(control->objectName().toStdString()) != control)
      continue;
    if (!Fits(*control)) clipped.push_back(control->objectName().toStdString());
  }
  return clipped;
}

}  // namespace fw
