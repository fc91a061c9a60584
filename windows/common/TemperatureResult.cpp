#include "windows/common/TemperatureResult.h"

#include <string>

#include "framework/Numbers.h"
#include "windows/common/UnitPair.h"

namespace common {

QString TemperatureResult::Text(bool celsius) const {
  if (!kelvin_) return message_;
  return fw::Str(celsius ? *kelvin_ - kCelsiusOffset : *kelvin_);
}

void ShowTemperature(fw::Window& window, const TemperatureResult& result, std::string_view field,
                     std::string_view unitLabel) {
  ShowUnitLabel(window, unitLabel);
  window.Label(field).SetText(result.Text(CelsiusOn(window)));
}

void BindTemperatureUnits(fw::Window& window, const TemperatureResult& result,
                          std::string_view field, std::string_view unitLabel) {
  BindUnitPair(window, unitLabel, [&window, &result, field = std::string(field)] {
    window.Label(field).SetText(result.Text(CelsiusOn(window)));
  });
}

void ShowInKelvin(fw::Window& window, const TemperatureResult& result, std::string_view field,
                  std::string_view unitLabel) {
  window.RadioOf("Kelvin").SetValue(true);
  ShowTemperature(window, result, field, unitLabel);
}

}  // namespace common
