// The isochore window and its export, driven from the pressure window.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "WindowDriver.h"
#include "framework/Numbers.h"
#include "windows/single_phase/Isochore.h"
#include "windows/single_phase/PressureWindow.h"

using namespace single_phase_test;
using fw::Str;

namespace {

const Composition kMixture = Mixture({{CO2, 0.3}, {N2, 0.7}});

// The temperatures (K) of an isochore from min to max °C: one addition of the
// step at a time, as the table is defined.
std::vector<double> Steps(double minimum, double maximum, double step) {
  std::vector<double> kelvins;
  for (double t = (minimum + 273.15) - step + step; t <= maximum + 273.15; t += step) {
    kelvins.push_back(t);
  }
  return kelvins;
}

class IsochoreWindowTest : public ::testing::Test {
 protected:
  // Calculates a pressure at 100 cm3/mol, then opens the isochore from there.
  void SetUp() override {
    Globals.fraction = kMixture;
    PressureWindow& pressures = FreshWindow<PressureWindow>();
    Calculate(pressures, "100", "300");
    if (fw::Window* open = fw::OpenWindow("Isochore")) {
      open->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Click(pressures, "PushButton1");
    window = dynamic_cast<Isochore*>(fw::OpenWindow("Isochore"));
    ASSERT_NE(window, nullptr);
    Activate(*window);
    Globals.fraction = Composition{};  // the isochore keeps the pressure window's mixture
  }

  void Enter(const QString& minimum, const QString& maximum, const QString& interval) {
    Type(*window, "minimum", minimum);
    Type(*window, "maximum", maximum);
    Type(*window, "interval", interval);
  }

  void ExpectRows(const std::vector<double>& kelvins) {
    const fw::ListBox& list = window->List("ListBox1");
    ASSERT_EQ(list.ListCount(), static_cast<int>(kelvins.size()));
    for (int row = 0; row < list.ListCount(); ++row) {
      EXPECT_EQ(list.Cell(row, 0), Str(kelvins[row] - 273.15));
      EXPECT_EQ(list.Cell(row, 1), Str(Globals.Pressure(kMixture, kelvins[row], 100)));
    }
  }

  Isochore* window = nullptr;
};

}  // namespace

TEST_F(IsochoreWindowTest, ShowsTheVolumeAndDensityOfThePressureWindow) {
  EXPECT_EQ(Text(*window, "ResultV"), "100");
  EXPECT_EQ(Text(*window, "ResultV1"), Str(Globals.Density(kMixture, 100)));
  EXPECT_EQ(window->List("ListBox1").Heading(0), QString::fromUtf8("Temperature (˚C)"));
}

TEST_F(IsochoreWindowTest, TablesInWholeAndFractionalSteps) {
  Enter("0", "100", "10");
  Click(*window, "calculate");
  ExpectRows(Steps(0, 100, 10));
  EXPECT_EQ(window->List("ListBox1").ListCount(), 11);

  Enter("0", "1", "0.1");
  Click(*window, "calculate");
  ExpectRows(Steps(0, 1, 0.1));
  EXPECT_EQ(window->List("ListBox1").ListCount(), 10);  // 1 °C is lost to rounding

  Activate(*window);  // coming back empties the table
  EXPECT_EQ(window->List("ListBox1").ListCount(), 0);
}

TEST_F(IsochoreWindowTest, RefusesEntriesWithPutNumberAndEmptiesTheTable) {
  Enter("0", "100", "50");
  Click(*window, "calculate");
  ASSERT_EQ(window->List("ListBox1").ListCount(), 3);

  Enter("-300", "-400", "0");
  Click(*window, "calculate");
  EXPECT_EQ(window->Field("minimum").Text(), "put number");
  EXPECT_EQ(window->Field("maximum").Text(), "put number");
  EXPECT_EQ(window->Field("interval").Text(), "put number");
  EXPECT_EQ(window->List("ListBox1").ListCount(), 0) << "no rows of the entries before";

  Enter("20", "20", "1");
  Click(*window, "calculate");
  EXPECT_EQ(window->Field("maximum").Text(), "put number");
  EXPECT_EQ(window->Field("minimum").Text(), "20");

  Enter("0", "100000", "0.5");  // 200 001 rows
  Click(*window, "calculate");
  EXPECT_EQ(window->Field("interval").Text(), "put number");

  Enter("0", "100", "50");
  Click(*window, "calculate");
  Enter("0", "1", "1e-20");  // too small to change the temperature
  Click(*window, "calculate");
  EXPECT_EQ(window->Field("interval").Text(), "put number");
  EXPECT_EQ(window->List("ListBox1").ListCount(), 0);
}

TEST_F(IsochoreWindowTest, ReturnInAnEntryTablesTheIsochore) {
  Enter("0", "100", "10");
  QTest::keyClick(&window->Field("interval"), Qt::Key_Return);
  EXPECT_EQ(window->List("ListBox1").ListCount(), 11);
}

TEST_F(IsochoreWindowTest, AVolumeNotAboveTheCoVolumeHasNoPressures) {
  // Pure CO2: b = 0.08664 R Tc / Pc = 29.7 cm3/mol, so 20 cm3/mol is no state.
  Globals.fraction = Pure(CO2);
  Calculate(*dynamic_cast<PressureWindow*>(fw::OpenWindow("PressureWindow")), "20", "300");
  Activate(*window);
  EXPECT_EQ(Text(*window, "ResultV"), "20");
  EXPECT_EQ(Text(*window, "ResultV1"), "no solution");
  Enter("0", "100", "50");
  Click(*window, "calculate");
  const fw::ListBox& list = window->List("ListBox1");
  ASSERT_EQ(list.ListCount(), 3);
  for (int row = 0; row < 3; ++row) EXPECT_EQ(list.Cell(row, 1), "no solution") << row;
}

TEST_F(IsochoreWindowTest, APressureEntryRefusedLeavesTheIsochoreNoVolume) {
  Calculate(*dynamic_cast<PressureWindow*>(fw::OpenWindow("PressureWindow")), "abc", "300");
  Activate(*window);
  EXPECT_EQ(Text(*window, "ResultV"), "no solution");
  EXPECT_EQ(Text(*window, "ResultV1"), "");
  Enter("0", "100", "50");
  Click(*window, "calculate");
  EXPECT_EQ(window->List("ListBox1").ListCount(), 0);
  EXPECT_EQ(Text(*window, "ResultV"), "no solution");
}

class IsochoreExportTest : public IsochoreWindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    IsochoreWindowTest::SetUp();
  }
  void TearDown() override { QDir::setCurrent(previous); }

  static QByteArray ReadFile(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
  }

  QTemporaryDir folder;
  QString previous;
};

TEST_F(IsochoreExportTest, WritesHeaderAndOneLinePerStep) {
  Enter("0", "100", "10");
  Click(*window, "Export");

  QByteArray expected =
      "Redlich-Kwong equation of state\n"
      "reference: Redlich & Kwong (1949)\n"
      "Temperature, Pressure\n"
      "(Celsius), (MPa)\n";
  for (double kelvin : Steps(0, 100, 10)) {
    expected +=
        (Str(kelvin - 273.15) + ", " + Str(Globals.Pressure(kMixture, kelvin, 100))).toLatin1() +
        "\n";
  }
  EXPECT_EQ(ReadFile("100.txt"), expected);
  EXPECT_EQ(Text(*window, "ExportStatus"), "");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"100.txt"});

  Enter("0", "1", "0.1");
  Click(*window, "Export");  // the same name: replaced whole
  EXPECT_EQ(ReadFile("100.txt").count('\n'), 4 + 10);
}

TEST_F(IsochoreExportTest, TakesTheStepFromTheMinimumInCelsius) {
  Enter("-9.4", "0", "4.7");
  Click(*window, "calculate");
  ASSERT_EQ(window->List("ListBox1").ListCount(), 3);
  EXPECT_EQ(window->List("ListBox1").Cell(2, 0), "0");
  Click(*window, "Export");
  // (min - step) + 273.15, then the step added in K: the last line lands a
  // rounding error below 0 °C, where the table's lands on 0.
  const double last = (-9.4 - 4.7) + 273.15 + 4.7 + 4.7 + 4.7;
  ASSERT_NE(Str(last - 273.15), "0");
  const QByteArray lastLine =
      (Str(last - 273.15) + ", " + Str(Globals.Pressure(kMixture, last, 100))).toLatin1() + "\n";
  EXPECT_TRUE(ReadFile("100.txt").endsWith(lastLine)) << ReadFile("100.txt").toStdString();
  EXPECT_EQ(ReadFile("100.txt").count('\n'), 4 + 3);
}

TEST_F(IsochoreExportTest, ChecksTheEntriesBeforeWritingAnything) {
  Enter("100", "0", "10");
  Click(*window, "Export");
  EXPECT_EQ(window->Field("maximum").Text(), "put number");
  Enter("0", "100", "0");
  Click(*window, "Export");
  EXPECT_EQ(window->Field("interval").Text(), "put number");
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

// The export writes no field but its own message: the volume shown when the
// window was last activated stays.
TEST_F(IsochoreExportTest, ARefusedPressureCalculationLeavesNothingToExport) {
  Calculate(*dynamic_cast<PressureWindow*>(fw::OpenWindow("PressureWindow")), "abc", "300");
  Enter("0", "100", "50");
  Click(*window, "Export");
  EXPECT_EQ(Text(*window, "ExportStatus"), "export failed");
  EXPECT_EQ(Text(*window, "ResultV"), "100");
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(IsochoreExportTest, AFolderThatCannotBeWrittenFailsVisibly) {
  // A folder removed under the program takes no new file, whoever runs it.
  QDir().mkdir("gone");
  QDir::setCurrent("gone");
  QDir(folder.path()).rmdir("gone");
  Enter("0", "100", "10");
  Click(*window, "Export");
  EXPECT_EQ(Text(*window, "ExportStatus"), "export failed");
}

TEST_F(IsochoreExportTest, AFailedWriteLeavesTheEarlierFileAsItWas) {
  {
    QFile old("100.txt");
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old\n");
  }
  // Files may grow to 64 bytes only: the write fails half way, even for root.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  setrlimit(RLIMIT_FSIZE, &small);
  Enter("0", "100", "10");
  Click(*window, "Export");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(Text(*window, "ExportStatus"), "export failed");
  EXPECT_EQ(ReadFile("100.txt"), "old\n");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"100.txt"});
}
