// The spinodal window as a user drives it.
#include <gtest/gtest.h>

#include <cmath>

#include "../single_phase/WindowDriver.h"
#include "framework/Numbers.h"
#include "windows/stability/SpinodalWindow.h"

using namespace single_phase_test;
using fw::Str;

namespace {

// ∂P/∂V = 0 of pure CO2 at V: T^(3/2) = a(2V + b)(V − b)²/(R V² (V + b)²).
double Co2Spinodal(double V) {
  Engine engine;
  const double a = engine.aMixture(Pure(CO2)), b = engine.bMixture(Pure(CO2));
  return std::pow(a * (2 * V + b) * (V - b) * (V - b) / (R * V * V * (V + b) * (V + b)), 2.0 / 3.0);
}

void Compute(fw::Window& window, const QString& volume) {
  Type(window, "dataEntry", volume);
  Click(window, "calculate");
}

}  // namespace

TEST(SpinodalWindowTest, ShowsTemperatureAndPressureInEitherUnit) {
  Globals.fraction = Pure(CO2);
  SpinodalWindow& window = FreshWindow<SpinodalWindow>();
  Click(window, "Celsius");
  Compute(window, "100");
  const double T = Co2Spinodal(100);
  EXPECT_EQ(Text(window, "ResultT"), Str(T));
  EXPECT_EQ(Text(window, "StaticText4"), "Kelvin");  // calculate shows kelvin again
  EXPECT_TRUE(window.RadioOf("Kelvin").Value());
  EXPECT_EQ(Text(window, "ResultP"), Str(Globals.Pressure(Pure(CO2), T, 100)));
  EXPECT_NEAR(Globals.TempKelvin, T, 1e-9);

  Globals.TempKelvin = 500.0;  // another window's calculation
  Click(window, "Clear");
  Click(window, "Celsius");
  EXPECT_EQ(Text(window, "StaticText4"), QString::fromUtf8("˚Celsius"));
  EXPECT_EQ(Text(window, "ResultT"), Str(T - 273.15));
}

// After a found temperature, a failed search shows and keeps no temperature:
// not in either unit, nor in the module state.
TEST(SpinodalWindowTest, FailedSearchLeavesNoTemperatureInEitherUnit) {
  Globals.fraction = Pure(CO2);
  SpinodalWindow& window = FreshWindow<SpinodalWindow>();
  Compute(window, "100");
  const double pressure = Globals.PresMPa;
  for (const char* volume : {"20", "0", "-5"}) {  // not above the co-volume of CO2
    Compute(window, volume);
    EXPECT_EQ(Text(window, "ResultT"), "no soluton");
    EXPECT_EQ(Text(window, "ResultP"), "no solution");
  }
  EXPECT_EQ(Globals.TempKelvin, 0.0);
  EXPECT_EQ(Globals.PresMPa, pressure);  // kept, as on every failure
  Click(window, "Celsius");
  EXPECT_EQ(Text(window, "ResultT"), "no soluton");
  Click(window, "Kelvin");
  EXPECT_EQ(Text(window, "ResultT"), "no soluton");

  Globals.fraction = Composition{};
  Compute(window, "100");
  EXPECT_EQ(Text(window, "ResultT"), "no soluton");
}

TEST(SpinodalWindowTest, EntryThatIsNoNumberShowsPutNumber) {
  Globals.fraction = Pure(CO2);
  SpinodalWindow& window = FreshWindow<SpinodalWindow>();
  Compute(window, "100");
  for (const char* entry : {"", "1,5", "abc"}) {
    Compute(window, entry);
    EXPECT_EQ(Text(window, "ResultT"), "put number") << entry;
    EXPECT_EQ(Text(window, "ResultP"), "");
  }
}

// CO2–CH4 50/50 a quarter of a millionth of a cm3/mol above its co-volume: the
// root of det Q computed apart is 141.767926513 K (the window showed 978.4641).
TEST(SpinodalWindowTest, NearTheCoVolumeShowsTheRootOfTheDeterminant) {
  Globals.fraction = Mixture({{CO2, 0.5}, {CH4, 0.5}});
  SpinodalWindow& window = FreshWindow<SpinodalWindow>();
  Compute(window, "30.569832");
  EXPECT_EQ(Text(window, "ResultT"), "141.7679");
}
