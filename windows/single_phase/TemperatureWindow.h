// "Temperatures": the temperature (K or °C) at which the mixture has a given
// pressure at a given molar volume.
#pragma once

#include "framework/Window.h"
#include "windows/common/TemperatureResult.h"

class TemperatureWindow : public fw::Window {
  Q_OBJECT
 public:
  TemperatureWindow();
  static const fw::WindowLayout& Layout();

 private:
  void calculate_Action();
  void Clear_Action();

  // This window's last outcome, re-shown by the unit radios: a temperature,
  // or the text that replaced it ("put number", "no solution").
  common::TemperatureResult last_;
};
