// "Start": the start page, the only window present once the program has started.
#pragma once

#include "framework/Window.h"

class Start1Window : public fw::Window {
  Q_OBJECT
 public:
  Start1Window();
  static const fw::WindowLayout& Layout();

 private:
  void continue1_Action();
};
