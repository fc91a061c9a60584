#include "windows/stability/TemperatureResult.h"

#include "framework/Numbers.h"
#include "windows/common/UnitPair.h"

namespace stability_windows {

QString TemperatureResult::Text(bool celsius) const {
  if (!kelvin_) return message_;
  return fw::Str(celsius ? *kelvin_ - common::kCelsiusOffset : *kelvin_);
}

void ShowTemperature(fw::Window& window, const TemperatureResult& result, std::string_view field,
                     std::string_view unitLabel) {
  common::ShowUnitLabel(window, unitLabel);
  window.Label(field).SetText(result.Text(common::CelsiusOn(window)));
}

void ShowInKelvin(fw::Window& window, const TemperatureResult& result, std::string_view field,
                  std::string_view unitLabel) {
  window.RadioOf("Kelvin").SetValue(true);
  ShowTemperature(window, result, field, unitLabel);
}

}  // namespace stability_windows
