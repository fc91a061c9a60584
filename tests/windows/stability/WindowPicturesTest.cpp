// Pictures of the stability windows after a calculation, for a look by eye: run
// with --gtest_also_run_disabled_tests and VESTREL_PICTURES=<folder>.
#include <gtest/gtest.h>

#include <QDir>

#include "../single_phase/WindowDriver.h"
#include "framework/Application.h"
#include "windows/stability/CriticalPointWindow.h"
#include "windows/stability/MathAnal.h"
#include "windows/stability/SpinodalWindow.h"

using namespace single_phase_test;

namespace {

void Save(const QString& folder, fw::Window& window) {
  QCoreApplication::processEvents();
  ASSERT_TRUE(window.grab().save(
      QDir(folder).filePath(QString::fromStdString(window.ClassName()) + ".png")));
}

}  // namespace

TEST(WindowPicturesTest, DISABLED_SaveTheStabilityWindows) {
  const QString folder = qEnvironmentVariable("VESTREL_PICTURES", QDir::tempPath());
  fw::InstallServices();  // the program's font and style
  Globals.fraction = Mixture({{CO2, 0.5}, {CH4, 0.5}});

  SpinodalWindow& spinodal = FreshWindow<SpinodalWindow>();
  Type(spinodal, "dataEntry", "100");
  Click(spinodal, "calculate");
  Save(folder, spinodal);

  CriticalPointWindow& critical = FreshWindow<CriticalPointWindow>();
  Activate(critical);
  Click(critical, "calculate");
  Save(folder, critical);

  Click(critical, "Analysis");
  auto* analysis = dynamic_cast<MathAnal*>(fw::OpenWindow("MathAnal"));
  ASSERT_NE(analysis, nullptr);
  Activate(*analysis);
  Click(*analysis, "calculate");
  Save(folder, *analysis);
}
