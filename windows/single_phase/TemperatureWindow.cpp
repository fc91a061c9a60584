#include "windows/single_phase/TemperatureWindow.h"

#include <cmath>

#include "engine/Globals.h"
#include "framework/Numbers.h"
#include "windows/common/RootChoiceForm.h"
#include "windows/common/UnitPair.h"

using namespace common;

const fw::WindowLayout& TemperatureWindow::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "TemperatureWindow",
                       .title = "Temperatures",
                       .width = 470,
                       .height = 270,
                       .controls = {}};
    l.visible = false;
    l.controls = {
        fw::Text("MolarVolume", 20, 20, 130, 25, "Molar Volume", 16),
        fw::RoundRectangleRow("RoundRectangle1", 20, 180, 430, 70),
        fw::Text("Temperature", 34, 188, 115, 25, "Temperature", 16, fw::NoFlags,
                 "RoundRectangle1"),
        fw::Text("Result", 160, 188, 120, 25, {}, 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText4", 290, 188, 80, 25, "Kelvin", 16, fw::NoFlags, "RoundRectangle1"),
    };
    for (auto& row : UnitPairRows(370, 188, "RoundRectangle1"))
      l.controls.push_back(std::move(row));
    const std::vector<fw::ControlSpec> entries = {
        fw::Text("Pressure", 20, 60, 130, 25, "Pressure", 16),
        fw::Edit("dataEntry", 155, 20, 120, 25, 16),
        fw::Edit("dataEntry1", 155, 60, 120, 25, 16),
        fw::Button("calculate", 185, 120, 100, 30, "calculate", 18, fw::DefaultButton),
        fw::Text("StaticText1", 285, 20, 80, 25, "cm /mol", 16),
        fw::Text("StaticText2", 305, 19, 16, 20, "3", 12),
        fw::Text("StaticText3", 285, 60, 80, 25, "MPa", 16),
        fw::Button("Clear", 400, 20, 50, 20, "clear", 10),
    };
    l.controls.insert(l.controls.end(), entries.begin(), entries.end());
    return l;
  }();
  return layout;
}

TemperatureWindow::TemperatureWindow() : fw::Window(Layout()) {
  BindTemperatureUnits(*this, last_, "Result", "StaticText4");
  OnAction("calculate", [this] { calculate_Action(); });
  OnAction("Clear", [this] { Clear_Action(); });
}

void TemperatureWindow::calculate_Action() {
  const std::optional<double> volume = fw::Val(Field("dataEntry").Text());
  const std::optional<double> pressure = fw::Val(Field("dataEntry1").Text());
  if (!volume || !pressure) {
    last_.SetMessage(kPutNumber);
  } else if (!AnyComponentPresent(Globals.fraction)) {
    last_.SetMessage(kNoSolution);
  } else {
    const std::optional<double> kelvin = Globals.Temperature(Globals.fraction, *pressure, *volume);
    if (kelvin && std::isfinite(*kelvin) && *kelvin > 0.0) {
      Globals.TempKelvin = *kelvin;
      last_.SetKelvin(*kelvin);
    } else {
      last_.SetMessage(kNoSolution);
    }
  }
  Label("Result").SetText(last_.Text(CelsiusOn(*this)));
}

void TemperatureWindow::Clear_Action() {
  Field("dataEntry").SetText({});
  Field("dataEntry1").SetText({});
  Label("Result").SetText({});
}
