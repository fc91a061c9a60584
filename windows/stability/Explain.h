// "Explanation": the pseudo-critical conditions of the mixture as one
// Redlich-Kwong fluid, and their solution for its molar volume, temperature
// and pressure. A fixed page.
#pragma once

#include "framework/Window.h"

class Explain : public fw::Window {
  Q_OBJECT
 public:
  Explain();
  static const fw::WindowLayout& Layout();
};
