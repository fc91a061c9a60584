// Pictures of the windows for a look by eye: run with
// --gtest_also_run_disabled_tests and VESTREL_PICTURES=<folder>.
#include <gtest/gtest.h>

#include <QDir>

#include "WindowDriver.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"
#include "windows/single_phase/TemperatureWindow.h"
#include "windows/single_phase/VolumeWindow.h"

using namespace single_phase_test;

namespace {

template <class W>
void Save(const QString& folder, W& window) {
  QCoreApplication::processEvents();
  ASSERT_TRUE(window.grab().save(
      QDir(folder).filePath(QString::fromStdString(W::Layout().className) + ".png")));
}

}  // namespace

TEST(WindowPicturesTest, DISABLED_SaveEveryWindow) {
  const QString folder = qEnvironmentVariable("VESTREL_PICTURES", QDir::tempPath());
  const Composition x = Mixture({{CO2, 0.4}, {CH4, 0.6}});
  Globals.fraction = x;

  VolumeWindow& volumes = FreshWindow<VolumeWindow>();
  Type(volumes, "dataEntry", "10");
  Click(volumes, "Celsius");
  Type(volumes, "dataEntry1", "25");
  Click(volumes, "calculate");
  Click(volumes, "Choice0");
  Save(folder, volumes);

  PressureWindow& pressures = FreshWindow<PressureWindow>();
  Calculate(pressures, "100", "300");
  Save(folder, pressures);
  Click(pressures, "PushButton1");
  auto* isochore = dynamic_cast<Isochore*>(fw::OpenWindow("Isochore"));
  ASSERT_NE(isochore, nullptr);
  QCoreApplication::processEvents();  // its activation, which empties the table
  Type(*isochore, "minimum", "0");
  Type(*isochore, "maximum", "100");
  Type(*isochore, "interval", "10");
  Click(*isochore, "calculate");
  isochore->Label("ExportStatus").SetText("export failed");
  Save(folder, *isochore);

  TemperatureWindow& temperatures = FreshWindow<TemperatureWindow>();
  Calculate(temperatures, "100", "20");
  Save(folder, temperatures);

  FugacityWindow& fugacities = FreshWindow<FugacityWindow>();
  Calculate(fugacities, "10", "300");
  Click(fugacities, "Choice0");
  Save(folder, fugacities);

  ActivityWindow& activities = FreshWindow<ActivityWindow>();
  Calculate(activities, "10", "300");
  Click(activities, "Choice0");
  Click(activities, "StandardChoice1");
  Type(activities, "dataEntry2", "5");
  Click(activities, "PushButton1");
  Save(folder, activities);
}
