#include "windows/common/UnitPair.h"

#include <string>
#include <utility>

#include "framework/Numbers.h"

namespace common {

std::vector<fw::ControlSpec> UnitPairRows(int left, int top, const std::string& parent,
                                          const std::string& group) {
  return {
      fw::Group(group, left, top, 70, 54, {}, 12, fw::NoFlags, parent),
      fw::Radio("Kelvin", left + 7, top + 7, 56, 20, "in K", 12, fw::On, group),
      fw::Radio("Celsius", left + 7, top + 28, 56, 20, QString::fromUtf8("in ˚C"), 12, fw::NoFlags,
                group),
  };
}

std::optional<double> EnteredKelvin(const fw::Window& window, std::string_view field) {
  const std::optional<double> entered = fw::Val(window.Field(field).Text());
  if (!entered) return std::nullopt;
  return CelsiusOn(window) ? *entered + kCelsiusOffset : *entered;
}

bool CelsiusOn(const fw::Window& window) { return window.RadioOf("Celsius").Value(); }

void ShowUnitLabel(fw::Window& window, std::string_view label) {
  window.Label(label).SetText(CelsiusOn(window) ? QString::fromUtf8("˚Celsius")
                                                : QStringLiteral("Kelvin"));
}

void BindUnitPair(fw::Window& window, std::string_view label, std::function<void()> reshow) {
  for (const char* radio : {"Kelvin", "Celsius"}) {
    window.OnAction(radio, [&window, radio, label = std::string(label), reshow] {
      if (!window.RadioOf(radio).Value()) return;
      ShowUnitLabel(window, label);
      if (reshow) reshow();
    });
  }
}

}  // namespace common
