// "Mathematical Analysis": the functions behind the critical-point search at
// 250 molar volumes 2 cm3/mol apart: the spinodal temperature, the pressure
// there and the determinant of the critical matrix, whose zero is the critical
// point.
#pragma once

#include <optional>

#include "engine/Globals.h"
#include "framework/Window.h"

class MathAnal : public fw::Window {
  Q_OBJECT
 public:
  MathAnal();
  static const fw::WindowLayout& Layout();

 protected:
  void Event_Activate() override;

 private:
  void calculate_Action();
  void SetHeadings();

  // The composition of the rows in the table; empty while it holds none.
  std::optional<Composition> rowsFor_;
};
