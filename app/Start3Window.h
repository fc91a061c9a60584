// "Procedures": picks one of the fifteen calculation procedures and opens its window.
#pragma once

#include "framework/Window.h"

class Start3Window : public fw::Window {
  Q_OBJECT
 public:
  Start3Window();
  static const fw::WindowLayout& Layout();

 private:
  void PushButton1_Action();
};
