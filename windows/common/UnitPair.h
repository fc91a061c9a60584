// The temperature unit pair `Kelvin`/`Celsius` shared by the windows that read
// or show a temperature: its rows, the reading of an entered temperature and
// the unit label that follows the pair.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Layout.h"
#include "framework/Window.h"
#include "windows/common/Messages.h"

namespace common {

// K at 0 °C.
inline constexpr double kCelsiusOffset = 273.15;

// A frame (`group`) at (left, top), 70 x 54, framing `Kelvin` (on) and `Celsius` (off).
std::vector<fw::ControlSpec> UnitPairRows(int left, int top, const std::string& parent = {},
                                          const std::string& group = "GroupBox1");

// The temperature typed into `field`, in K: 273.15 is added while `Celsius` is on.
// Empty when the text is no number.
std::optional<double> EnteredKelvin(const fw::Window& window, std::string_view field);

// True while `Celsius` is on.
bool CelsiusOn(const fw::Window& window);

// "Kelvin" or "˚Celsius" into `label`, by the radio that is on.
void ShowUnitLabel(fw::Window& window, std::string_view label);

// Binds the pair's radios: whenever one turns on, `label` shows its unit, then
// `reshow` (when given) shows the window's result again in that unit.
void BindUnitPair(fw::Window& window, std::string_view label, std::function<void()> reshow = {});

}  // namespace common
