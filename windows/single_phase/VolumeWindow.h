// "Molar Volumes": the three roots of the cubic at a pressure and temperature,
// and for the chosen root its molar volume, excess molar volume and density.
#pragma once

#include "framework/Window.h"
#include "windows/common/RootChoiceForm.h"

class VolumeWindow : public fw::Window {
  Q_OBJECT
 public:
  VolumeWindow();
  static const fw::WindowLayout& Layout();

 private:
  void EmptyResults();
  // Shows the excess volume (cm3/mol) and density (g/cm3) at root `column`.
  void ShowRootProperties(int column);

  common::RootChoiceForm form_;
};
