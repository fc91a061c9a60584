// "Temperatures": the temperature (K or °C) at which the mixture has a given
// pressure at a given molar volume.
#pragma once

#include <QString>
#include <optional>

#include "framework/Window.h"

class TemperatureWindow : public fw::Window {
  Q_OBJECT
 public:
  TemperatureWindow();
  static const fw::WindowLayout& Layout();

 private:
  void calculate_Action();
  void Kelvin_Action();
  void Celsius_Action();
  void Clear_Action();
  // Shows the last outcome of this window in the unit of the radio that is on.
  void ShowLastResult();

  // This window's last outcome: a temperature in K, or the text that replaced it
  // ("put number", "no solution"); neither before the first calculation.
  std::optional<double> lastKelvin_;
  QString lastMessage_;
};
