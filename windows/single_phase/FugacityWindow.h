// "Fugacities": the fugacity (MPa) and fugacity coefficient of each component
// of the mixture at the chosen root of the cubic.
#pragma once

#include "framework/Window.h"
#include "windows/common/RootChoiceForm.h"

class FugacityWindow : public fw::Window {
  Q_OBJECT
 public:
  FugacityWindow();
  static const fw::WindowLayout& Layout();

 protected:
  void Event_Activate() override;

 private:
  void EmptyResults();
  // Lists the fugacities at root `column` of this window's last calculation.
  void ListFugacities(int column);

  common::RootChoiceForm form_;
};
