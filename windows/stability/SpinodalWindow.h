// The spinodal (stability limit) of the mixture at an entered molar volume:
// the temperature at which the spinodal matrix's determinant vanishes there,
// and the pressure at that temperature and volume.
#pragma once

#include "framework/Window.h"
#include "windows/common/TemperatureResult.h"

class SpinodalWindow : public fw::Window {
  Q_OBJECT
 public:
  SpinodalWindow();
  static const fw::WindowLayout& Layout();

 private:
  void calculate_Action();
  void Clear_Action();

  common::TemperatureResult last_;
};
