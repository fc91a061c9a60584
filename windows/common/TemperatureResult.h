// The temperature that a window computed last, re-shown by its unit radios:
// never another window's temperature, and a failure stays a failure in both
// units.
#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "framework/Window.h"

namespace common {

class TemperatureResult {
 public:
  void SetKelvin(double kelvin) {
    kelvin_ = kelvin;
    message_.clear();
  }
  // The text shown instead of a temperature ("no solution", "put number", or empty).
  void SetMessage(const QString& message) {
    kelvin_.reset();
    message_ = message;
  }
  // The temperature in K, or in °C with `celsius`; else the message.
  QString Text(bool celsius) const;

 private:
  std::optional<double> kelvin_;
  QString message_;
};

// Shows `result` in `field` and the unit ("Kelvin" or "˚Celsius") in
// `unitLabel`, by the radio of the unit pair that is on.
void ShowTemperature(fw::Window& window, const TemperatureResult& result, std::string_view field,
                     std::string_view unitLabel);

// Binds the unit pair so that it re-shows `result` in `field` and its unit in
// `unitLabel`; `result` lives as long as the window.
void BindTemperatureUnits(fw::Window& window, const TemperatureResult& result,
                          std::string_view field, std::string_view unitLabel);

// Turns `Kelvin` on and shows `result` in K, as every stability calculation ends.
void ShowInKelvin(fw::Window& window, const TemperatureResult& result, std::string_view field,
                  std::string_view unitLabel);

}  // namespace common
