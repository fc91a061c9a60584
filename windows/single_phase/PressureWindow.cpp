#include "windows/single_phase/PressureWindow.h"

#include <optional>

#include "engine/Globals.h"
#include "framework/Numbers.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/IsochoreTable.h"
#include "windows/common/RootChoiceForm.h"
#include "windows/common/UnitPair.h"

using namespace single_phase;
using namespace common;

const fw::WindowLayout& PressureWindow::Layout() {
  static const fw::WindowLayout layout = [] {
    fw::WindowLayout l{.className = "PressureWindow",
                       .title = "Pressures",
                       .width = 470,
                       .height = 290,
                       .controls = {}};
    l.controls = {
        fw::RoundRectangleRow("RoundRectangle1", 20, 195, 430, 35),
        fw::Text("Pressure", 80, 200, 100, 25, "Pressure", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("Result", 205, 200, 120, 25, {}, 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("StaticText4", 340, 200, 45, 25, "MPa", 16, fw::NoFlags, "RoundRectangle1"),
        fw::Text("MolarVolume", 20, 20, 130, 25, "Molar Volume", 16),
        fw::Text("Temperature", 20, 60, 130, 25, "Temperature", 16),
        fw::Edit("dataEntry", 155, 20, 120, 25, 16),
        fw::Edit("dataEntry1", 155, 60, 120, 25, 16),
        fw::Button("calculate", 185, 140, 100, 30, "calculate", 18, fw::DefaultButton),
        fw::Text("StaticText1", 285, 20, 75, 25, "cm /mol", 16),
        fw::Text("StaticText2", 305, 19, 16, 20, "3", 12),
        fw::Text("StaticText3", 285, 60, 70, 25, "Kelvin", 16),
    };
    for (auto& row : UnitPairRows(375, 60)) l.controls.push_back(std::move(row));
    l.controls.push_back(fw::Button("Clear", 400, 20, 50, 20, "clear", 10));
    l.controls.push_back(fw::Button("PushButton1", 310, 245, 140, 25, "Isochore calculation", 12));
    return l;
  }();
  return layout;
}

PressureWindow::PressureWindow() : fw::Window(Layout()) {
  OnAction("calculate", [this] { calculate_Action(); });
  BindUnitPair(*this, "StaticText3");
  OnAction("Clear", [this] { Clear_Action(); });
  OnAction("PushButton1", [this] { PushButton1_Action(); });
}

void PressureWindow::calculate_Action() {
  const std::optional<double> kelvin = EnteredKelvin(*this, "dataEntry1");
  const std::optional<double> volume = fw::Val(Field("dataEntry").Text());
  if (!kelvin || !volume) return Refuse(kPutNumber);
  const Composition& x = Globals.fraction;
  if (!AnyComponentPresent(x)) return Refuse(kNoSolution);
  Globals.MolarVolumes[0] = *volume;
  RememberIsochoreVolume(IsochoreVolume{x, *volume});
  // Neither at or below 0 K nor at a volume not above the co-volume is there a pressure.
  if (!(*kelvin > 0.0) || !IsPhysicalVolume(x, *volume)) {
    Label("Result").SetText(kNoSolution);
    return;
  }
  Label("Result").SetText(fw::ResultText(Globals.Pressure(x, *kelvin, *volume)));
}

// Computes nothing, and leaves the isochore no volume of an earlier calculation.
void PressureWindow::Refuse(const QString& message) {
  Label("Result").SetText(message);
  RememberIsochoreVolume(std::nullopt);
}

void PressureWindow::Clear_Action() {
  Field("dataEntry").SetText({});
  Field("dataEntry1").SetText({});
  Label("Result").SetText({});
}

void PressureWindow::PushButton1_Action() { fw::ShowWindow<Isochore>(); }
