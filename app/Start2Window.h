// "Fluid": the composition of the mixture as mole fractions of the 21 components.
//
// The window keeps its own fixed-point entries (10^12 times each typed fraction,
// zeroed whenever the window is built) and accepts a composition only when every
// field holds a fraction from 0 to 1 (an empty field counts as 0) and the entries
// sum to exactly 10^12.
#pragma once

#include <array>
#include <cstdint>

#include "engine/Globals.h"
#include "framework/Window.h"

class Start2Window : public fw::Window {
  Q_OBJECT
 public:
  Start2Window();
  static const fw::WindowLayout& Layout();

  // The name of the entry field of component k (ComponentIndex order).
  static const char* FieldName(int k);

 private:
  void number_TextChange(int k);  // the handler of every entry field, k its component
  void continue2_Action();
  void Clear_Action();
  void StoreComposition(const Composition& z);
  void ShowSum();
  bool Acceptable() const;

  std::array<std::int64_t, 21> entries_{};  // fixed point, ComponentIndex order
  std::array<double, 21> beyondLimit_{};     // entries too large for the fixed point, else 0
  std::array<bool, 21> refused_{};          // field holds no number or a fraction outside 0..1
};
