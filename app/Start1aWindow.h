// "Mixing Rules": the mixing rules of the equation of state, as formula pictures.
#pragma once

#include "framework/Window.h"

class Start1aWindow : public fw::Window {
  Q_OBJECT
 public:
  Start1aWindow();
  static const fw::WindowLayout& Layout();

 private:
  void PushButton1_Action();
};
