// "Pressures": the pressure of the mixture at a molar volume and temperature,
// and the door to the isochore at that molar volume.
#pragma once

#include <QString>

#include "framework/Window.h"

class PressureWindow : public fw::Window {
  Q_OBJECT
 public:
  PressureWindow();
  static const fw::WindowLayout& Layout();

 private:
  void calculate_Action();
  void Clear_Action();
  void PushButton1_Action();
  void Refuse(const QString& message);
};
