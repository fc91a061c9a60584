// The pressure and temperature windows against the engine's own functions, and
// what every single-phase window shows for a composition with no component.
#include <gtest/gtest.h>

#include "WindowDriver.h"
#include "framework/Numbers.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

using namespace single_phase_test;
using fw::Str;

TEST(PressureTemperatureTest, RoundTripAtOneHundredCubicCentimetresPerMole) {
  const Composition x = Mixture({{CO2, 0.4}, {CH4, 0.6}});
  Globals.fraction = x;
  PressureWindow& pressures = FreshWindow<PressureWindow>();
  Type(pressures, "dataEntry", "100");
  Click(pressures, "Celsius");
  Type(pressures, "dataEntry1", "76.85");
  Click(pressures, "calculate");
  const QString pressure = Text(pressures, "Result");
  EXPECT_EQ(pressure, Str(Globals.Pressure(x, 76.85 + 273.15, 100)));
  EXPECT_EQ(Globals.MolarVolumes[0], 100.0);

  TemperatureWindow& temperatures = FreshWindow<TemperatureWindow>();
  Calculate(temperatures, "100", pressure);
  const double kelvin = *Globals.Temperature(x, fw::Val(pressure).value(), 100);
  EXPECT_EQ(Text(temperatures, "Result"), Str(kelvin));
  EXPECT_NEAR(kelvin, 350.0, 1e-3);  // back where it started, to the shown digits
  EXPECT_EQ(Globals.TempKelvin, kelvin);

  Click(temperatures, "Celsius");
  EXPECT_EQ(Text(temperatures, "StaticText4"), QString::fromUtf8("˚Celsius"));
  EXPECT_EQ(Text(temperatures, "Result"), Str(kelvin - 273.15));
  Click(temperatures, "Clear");
  Click(temperatures, "Kelvin");
  EXPECT_EQ(Text(temperatures, "Result"), Str(kelvin));
}

TEST(PressureTemperatureTest, TemperatureWindowShowsOnlyItsOwnResults) {
  Globals.fraction = Pure(CO2);
  TemperatureWindow& window = FreshWindow<TemperatureWindow>();
  Globals.TempKelvin = 500.0;  // another window's last temperature
  Click(window, "Celsius");
  EXPECT_EQ(Text(window, "Result"), "");

  Calculate(window, "10", "5");  // below the co-volume of CO2: no state
  EXPECT_EQ(Text(window, "Result"), "no solution");
  EXPECT_EQ(Globals.TempKelvin, 500.0);
  Click(window, "Kelvin");
  EXPECT_EQ(Text(window, "Result"), "no solution");

  Type(window, "dataEntry1", "");
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "Result"), "put number");
}

TEST(PressureTemperatureTest, PressureWindowRefusesWhatHasNoPressure) {
  Globals.fraction = Pure(CO2);
  PressureWindow& window = FreshWindow<PressureWindow>();
  Calculate(window, "20", "300");  // not above the co-volume
  EXPECT_EQ(Text(window, "Result"), "no solution");
  EXPECT_EQ(Globals.MolarVolumes[0], 20.0);

  Calculate(window, "100", "0");  // 0 K
  EXPECT_EQ(Text(window, "Result"), "no solution");

  Type(window, "dataEntry1", "abc");
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "Result"), "put number");

  // The unit changes only the reading of the next entry.
  Type(window, "dataEntry1", "300");
  Click(window, "calculate");
  const QString kelvinResult = Text(window, "Result");
  Click(window, "Celsius");
  EXPECT_EQ(Text(window, "StaticText3"), QString::fromUtf8("˚Celsius"));
  EXPECT_EQ(Text(window, "Result"), kelvinResult);
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "Result"), Str(Globals.Pressure(Pure(CO2), 573.15, 100)));
}

TEST(PressureTemperatureTest, AnEmptyCompositionHasNoSolutionInAnyWindow) {
  Globals.fraction = Composition{};  // after "clear" in the fluid window
  PressureWindow& pressures = FreshWindow<PressureWindow>();
  Calculate(pressures, "100", "300");
  EXPECT_EQ(Text(pressures, "Result"), "no solution");

  TemperatureWindow& temperatures = FreshWindow<TemperatureWindow>();
  Calculate(temperatures, "100", "1");
  EXPECT_EQ(Text(temperatures, "Result"), "no solution");

  VolumeWindow& volumes = FreshWindow<VolumeWindow>();
  FugacityWindow& fugacities = FreshWindow<FugacityWindow>();
  ActivityWindow& activities = FreshWindow<ActivityWindow>();
  for (fw::Window* window : {static_cast<fw::Window*>(&volumes),
                             static_cast<fw::Window*>(&fugacities),
                             static_cast<fw::Window*>(&activities)}) {
    Calculate(*window, "1", "300");
    EXPECT_EQ(Text(*window, "TextChoice0"), "no solution") << window->ClassName();
    EXPECT_EQ(Text(*window, "TextChoice1"), "") << window->ClassName();
    Click(*window, "Choice0");
    EXPECT_EQ(Text(*window, "Result"), "") << window->ClassName();
  }
  EXPECT_EQ(fugacities.List("ListBox1").ListCount(), 0);
}
