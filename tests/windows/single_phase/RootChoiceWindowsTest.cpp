// The root choice windows (molar volumes, fugacities, activities) against the
// engine's own functions.
#include <gtest/gtest.h>

#include <cmath>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include "WindowDriver.h"
#include "framework/Numbers.h"
#include "windows/single_phase/ActivityWindow.h"
#include "windows/single_phase/FugacityWindow.h"
#include "windows/common/ScrolledPanel.h"
#include "windows/single_phase/VolumeWindow.h"

using namespace single_phase_test;
using fw::Str;

namespace {

// Types P (MPa) and T (°C) and presses the calculate button.
void CalculateAtCelsius(fw::Window& window, const QString& pressure, const QString& celsius) {
  Type(window, "dataEntry", pressure);
  Click(window, "Celsius");
  Type(window, "dataEntry1", celsius);
  Click(window, "calculate");
}

QString ComplexText(double re, double im) {
  return Str(re) + " and " + Str(im) + QString::fromUtf8("·i");
}

}  // namespace

TEST(VolumeWindowTest, ThreeRealRootsOfCarbonDioxideListMiddleSmallestLargest) {
  Globals.fraction = Pure(CO2);
  VolumeWindow& window = FreshWindow<VolumeWindow>();
  CalculateAtCelsius(window, "6.4", "25");

  const CubicRoots roots = Globals.Volume(Pure(CO2), 298.15, 6.4);
  ASSERT_EQ(roots[1], (std::array<double, 3>{0.0, 0.0, 0.0}));
  EXPECT_LT(roots[0][1], roots[0][0]);
  EXPECT_LT(roots[0][0], roots[0][2]);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(Text(window, "TextChoice" + std::to_string(k)), Str(roots[0][k]));
    EXPECT_EQ(Globals.MolarVolumes[k], roots[0][k]);
  }
  EXPECT_EQ(Globals.TempKelvin, 298.15);
  EXPECT_EQ(Globals.PresMPa, 6.4);
  EXPECT_EQ(Text(window, "StaticText3"), QString::fromUtf8("˚Celsius"));

  for (int k : {2, 1}) {  // the largest, then the smallest root
    Click(window, "Choice" + std::to_string(k));
    const double v = roots[0][k];
    EXPECT_EQ(Text(window, "Result"), Str(v));
    EXPECT_EQ(Text(window, "DensityResult"), Str(Globals.Density(Pure(CO2), v)));
    EXPECT_EQ(Text(window, "ExcessVol"), "0");  // a pure substance has no excess volume
  }
  // Liquid-like: denser than the vapour-like root.
  EXPECT_GT(fw::Val(Text(window, "DensityResult")).value(), 0.5);
}

TEST(VolumeWindowTest, OneRealRootAndAConjugatePairWhoseChoiceHasNoProperties) {
  Globals.fraction = Pure(CO2);
  VolumeWindow& window = FreshWindow<VolumeWindow>();
  CalculateAtCelsius(window, "10", "25");

  const CubicRoots roots = Globals.Volume(Pure(CO2), 298.15, 10.0);
  ASSERT_EQ(roots[1][0], 0.0);
  ASSERT_NE(roots[1][1], 0.0);
  EXPECT_EQ(roots[1][1], -roots[1][2]);
  EXPECT_EQ(Text(window, "TextChoice0"), Str(roots[0][0]));
  EXPECT_EQ(Text(window, "TextChoice1"), ComplexText(roots[0][1], roots[1][1]));
  EXPECT_EQ(Text(window, "TextChoice2"), ComplexText(roots[0][2], roots[1][2]));
  EXPECT_EQ(Globals.MolarVolumes[1], 0.0);
  EXPECT_EQ(Globals.MolarVolumes[2], 0.0);

  Click(window, "Choice1");
  EXPECT_EQ(Text(window, "Result"), "no solution");
  EXPECT_EQ(Text(window, "ExcessVol"), "no solution");
  EXPECT_EQ(Text(window, "DensityResult"), "no solution");
}

// Near 0 K the real root lies within rounding of the co-volume: shown, but no
// state. At 1e-100 MPa the gas root R·T/P is finite and shown.
TEST(VolumeWindowTest, RootsAtExtremeStatesAreShownWhereTheySolveTheCubic) {
  const Composition x = Mixture({{CO2, 0.5}, {CH4, 0.5}});
  Globals.fraction = x;
  VolumeWindow& window = FreshWindow<VolumeWindow>();
  Calculate(window, "3", "1e-20");
  EXPECT_EQ(Text(window, "TextChoice0"), Str(Globals.CoVolume(x)));
  Click(window, "Choice0");
  EXPECT_EQ(Text(window, "DensityResult"), "no solution");
  EXPECT_EQ(Text(window, "ExcessVol"), "no solution");

  Calculate(window, "1e-100", "220");
  EXPECT_EQ(Text(window, "TextChoice0"), Str(R * 220.0 / 1e-100));
  Click(window, "Choice0");
  EXPECT_EQ(Text(window, "DensityResult"), Str(Globals.Density(x, R * 220.0 / 1e-100)));
}

TEST(VolumeWindowTest, ExcessVolumeOfAMixtureAndWhatACalculateOrClearEmpties) {
  const Composition x = Mixture({{CO2, 0.5}, {CH4, 0.5}});
  Globals.fraction = x;
  VolumeWindow& window = FreshWindow<VolumeWindow>();
  Calculate(window, "5", "320");  // MPa, K
  Click(window, "Choice0");
  const double v = Globals.Volume(x, 320, 5)[0][0];
  EXPECT_EQ(Text(window, "ExcessVol"), Str(Globals.Excess(0, x, 320, 5, v)));
  EXPECT_NE(Text(window, "ExcessVol"), "0");

  Click(window, "calculate");
  EXPECT_FALSE(window.RadioOf("Choice0").Value());
  EXPECT_EQ(Text(window, "Result"), "");
  EXPECT_EQ(Text(window, "ExcessVol"), "");
  EXPECT_EQ(Text(window, "DensityResult"), "");

  Click(window, "Clear");
  EXPECT_EQ(window.Field("dataEntry").Text(), "");
  EXPECT_EQ(Text(window, "TextChoice0"), "");
  EXPECT_EQ(Text(window, "StaticText3"), "Kelvin");
}

TEST(VolumeWindowTest, EntryThatIsNoNumberComputesNothing) {
  Globals.fraction = Pure(CO2);
  VolumeWindow& window = FreshWindow<VolumeWindow>();
  Globals.TempKelvin = 123.0;
  Calculate(window, "1,5", "300");
  EXPECT_EQ(Text(window, "TextChoice0"), "put number");
  EXPECT_EQ(Globals.TempKelvin, 123.0);

  Calculate(window, "5", "0");  // 0 K: the cubic has no finite roots, and nothing is shown as one
  for (const char* name : {"TextChoice0", "TextChoice1", "TextChoice2"}) {
    EXPECT_EQ(Text(window, name), "no solution") << name;
  }
  Click(window, "Choice0");
  EXPECT_EQ(Text(window, "DensityResult"), "no solution");
}

TEST(VolumeWindowTest, ARefusedCalculateLeavesNoRootToChoose) {
  Globals.fraction = Pure(CO2);
  VolumeWindow& window = FreshWindow<VolumeWindow>();
  Calculate(window, "6.4", "298.15");  // three real roots
  Click(window, "Choice2");
  ASSERT_NE(Text(window, "Result"), "");

  Calculate(window, "6.4", "");
  EXPECT_EQ(Text(window, "TextChoice0"), "put number");
  EXPECT_EQ(Text(window, "TextChoice1"), "");
  EXPECT_EQ(Text(window, "TextChoice2"), "");
  Click(window, "Choice2");
  EXPECT_EQ(Text(window, "Result"), "");
  EXPECT_EQ(Text(window, "DensityResult"), "");
}

TEST(VolumeWindowTest, RootChoiceUsesItsOwnWindowsLastCalculation) {
  Globals.fraction = Pure(CO2);
  VolumeWindow& volumes = FreshWindow<VolumeWindow>();
  CalculateAtCelsius(volumes, "6.4", "25");
  const double ownLargest = Globals.Volume(Pure(CO2), 298.15, 6.4)[0][2];

  // Another window calculates at other conditions with another composition.
  Globals.fraction = Pure(N2);
  FugacityWindow& fugacities = FreshWindow<FugacityWindow>();
  Calculate(fugacities, "1", "400");
  ASSERT_NE(Globals.MolarVolumes[2], ownLargest);

  Click(volumes, "Choice2");
  EXPECT_EQ(Text(volumes, "Result"), Str(ownLargest));
  EXPECT_EQ(Text(volumes, "DensityResult"), Str(Globals.Density(Pure(CO2), ownLargest)));
}

TEST(FugacityWindowTest, RowsInComponentOrderTendToTheIdealGasAtLowPressure) {
  const Composition x = Mixture({{CH4, 0.9}, {CO2, 0.1}});
  Globals.fraction = x;
  FugacityWindow& window = FreshWindow<FugacityWindow>();
  Calculate(window, "0.001", "300");
  Click(window, "Choice0");

  const double v = Globals.Volume(x, 300, 0.001)[0][0];
  EXPECT_EQ(Text(window, "Result"), Str(v));
  Globals.Fugacities(x, 300, 0.001, v);
  const fw::ListBox& list = window.List("ListBox1");
  ASSERT_EQ(list.ListCount(), 2);
  const int order[] = {CO2, CH4};
  for (int row = 0; row < 2; ++row) {
    const int i = order[row];
    EXPECT_EQ(list.Cell(row, 0), QString::fromLatin1(ComponentName[i].data()));
    EXPECT_EQ(list.Cell(row, 1), Str(Globals.Fugacity[i]));
    EXPECT_EQ(list.Cell(row, 2), Str(Globals.Coefficient[i]));
    EXPECT_NEAR(fw::Val(list.Cell(row, 2)).value(), 1.0, 1e-4);
    EXPECT_NEAR(fw::Val(list.Cell(row, 1)).value(), x[i] * 0.001, 1e-7);
  }
  EXPECT_EQ(list.Heading(1), "fugacity (in MPa)");
}

TEST(FugacityWindowTest, ComplexRootListsNoValues) {
  Globals.fraction = Pure(CO2);
  FugacityWindow& window = FreshWindow<FugacityWindow>();
  CalculateAtCelsius(window, "10", "25");
  Click(window, "Choice2");
  const fw::ListBox& list = window.List("ListBox1");
  ASSERT_EQ(list.ListCount(), 1);
  EXPECT_EQ(list.Cell(0, 0), "CO2");
  EXPECT_EQ(list.Cell(0, 1), "no solution");
  EXPECT_EQ(list.Cell(0, 2), "no solution");

  Click(window, "Choice0");  // a new choice replaces the rows
  EXPECT_EQ(list.ListCount(), 1);
  EXPECT_NE(list.Cell(0, 1), "no solution");
}

TEST(ActivityWindowTest, PureLiquidWaterHasActivityOneAgainstPureRealWaterAtTAndP) {
  Globals.fraction = Pure(H2O);
  ActivityWindow& window = FreshWindow<ActivityWindow>();
  CalculateAtCelsius(window, "0.1", "25");
  const CubicRoots roots = Globals.Volume(Pure(H2O), 298.15, 0.1);
  ASSERT_EQ(roots[1][1], 0.0);
  ASSERT_LT(roots[0][1], 30.0);  // column 1: the smallest root, the liquid
  Click(window, "Choice1");
  EXPECT_EQ(Text(window, "Result"), Str(roots[0][1]));
  Click(window, "StandardChoice0");
  EXPECT_EQ(window.Field("dataEntry2").Text(), "  no entry  ");
  Click(window, "PushButton1");

  const fw::ListBox& list = window.List("ListBox1");
  ASSERT_EQ(list.ListCount(), 1);
  EXPECT_EQ(list.Cell(0, 0), "H2O");
  EXPECT_EQ(list.Cell(0, 1), "1");
  EXPECT_EQ(list.Cell(0, 2), "1");

  // The vapour-like root is no equilibrium state of water at 25 °C and 0.1 MPa.
  Click(window, "Choice2");
  Click(window, "PushButton1");
  EXPECT_GT(fw::Val(list.Cell(0, 1)).value(), 1.0);
}

TEST(ActivityWindowTest, IdealGasStandardStateAtLowPressureGivesTheMoleFractions) {
  const Composition x = Mixture({{CO2, 0.25}, {N2, 0.75}});
  Globals.fraction = x;
  ActivityWindow& window = FreshWindow<ActivityWindow>();
  Calculate(window, "0.001", "300");
  Click(window, "Choice0");
  Click(window, "StandardChoice2");
  Type(window, "dataEntry2", "0.001");
  // Return in the reference pressure presses that group's "continue", not "calculate".
  Click(window, "dataEntry2");
  QTest::keyClick(&window.Field("dataEntry2"), Qt::Key_Return);

  const fw::ListBox& list = window.List("ListBox1");
  ASSERT_EQ(list.ListCount(), 2);
  Globals.Fugacities(x, 300, 0.001, Globals.Volume(x, 300, 0.001)[0][0]);
  const int order[] = {CO2, N2};
  for (int row = 0; row < 2; ++row) {
    const int i = order[row];
    const double activity = Globals.Fugacity[i] / 0.001;
    EXPECT_EQ(list.Cell(row, 0), QString::fromLatin1(ComponentName[i].data()));
    EXPECT_EQ(list.Cell(row, 1), Str(activity));
    EXPECT_EQ(list.Cell(row, 2), Str(activity / x[i]));
    EXPECT_NEAR(fw::Val(list.Cell(row, 1)).value(), x[i], 1e-4 * x[i]);  // the ideal-gas limit
  }

  // Pure real gases at P(ref.): the reference field must hold a number.
  Click(window, "StandardChoice1");
  EXPECT_EQ(window.Field("dataEntry2").Text(), "");
  Click(window, "PushButton1");
  EXPECT_EQ(window.Field("dataEntry2").Text(), "put number");
  EXPECT_EQ(list.ListCount(), 0);

  // Return in the pressure field calculates again, which turns the root choice off.
  Click(window, "dataEntry");
  QTest::keyClick(&window.Field("dataEntry"), Qt::Key_Return);
  EXPECT_FALSE(window.RadioOf("Choice0").Value());
}

TEST(ActivityWindowTest, ActivitiesFollowTheTypedReferencePressure) {
  // At 0.001 MPa and 0.004 MPa the gases are ideal to about 2e-4: f_i = x_i P and
  // f°_i = P(ref.) under both reference states, so a_i = x_i P / P(ref.) = x_i / 4.
  const Composition x = Mixture({{CO2, 0.25}, {N2, 0.75}});
  Globals.fraction = x;
  ActivityWindow& window = FreshWindow<ActivityWindow>();
  Calculate(window, "0.001", "300");
  Click(window, "Choice0");
  const fw::ListBox& list = window.List("ListBox1");
  for (const char* state : {"StandardChoice1", "StandardChoice2"}) {
    Click(window, state);
    Type(window, "dataEntry2", "0.004");
    Click(window, "PushButton1");
    ASSERT_EQ(list.ListCount(), 2) << state;
    EXPECT_NEAR(fw::Val(list.Cell(0, 1)).value_or(NAN), 0.25 / 4, 1e-3 * 0.25 / 4) << state;
    EXPECT_NEAR(fw::Val(list.Cell(1, 1)).value_or(NAN), 0.75 / 4, 1e-3 * 0.75 / 4) << state;
  }
}

TEST(ActivityWindowTest, NoStandardStateListsNoValuesOfAnEarlierPress) {
  Globals.fraction = Pure(H2O);
  ActivityWindow& window = FreshWindow<ActivityWindow>();
  CalculateAtCelsius(window, "0.1", "25");
  Click(window, "Choice1");
  Click(window, "StandardChoice0");
  Click(window, "PushButton1");
  ASSERT_EQ(window.List("ListBox1").ListCount(), 1);

  Click(window, "calculate");  // turns the standard state off
  Click(window, "Choice1");
  ASSERT_FALSE(window.RadioOf("StandardChoice0").Value());
  Click(window, "PushButton1");
  EXPECT_EQ(window.List("ListBox1").ListCount(), 0);
}

TEST(ScrolledPanelTest, TheMouseWheelOverThePanelScrollsIt) {
  ActivityWindow& window = FreshWindow<ActivityWindow>();
  fw::ScrollBar& bar = window.ScrollBarOf("ScrollBar1");
  // Over a frame on the panel, which does not take the wheel itself.
  QWidget& frame = window.Control("GroupBox4");
  const auto turn = [&](int notches) {
    const QPointF at(10, 10);
    QWheelEvent wheel(at, frame.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);  // as from the mouse: it travels up to the panel
    QApplication::instance()->notify(&frame, &wheel);  // sendEvent would drop "spontaneous"
  };

  turn(-1);  // towards the user: the panel moves up
  EXPECT_GT(bar.Value(), 0);
  EXPECT_EQ(window.Control("Rectangle1").y(), -bar.Value());
  turn(-5);
  EXPECT_EQ(bar.Value(), 100) << "no further than the end";
  EXPECT_EQ(window.Control("Rectangle1").y(), -100);
  turn(+5);
  EXPECT_EQ(window.Control("Rectangle1").y(), 0);
  EXPECT_EQ(bar.Maximum(), 100);
  EXPECT_EQ(bar.singleStep(), 1);
  EXPECT_EQ(bar.pageStep(), 700);
}

TEST(ScrolledPanelTest, ScrollBarFollowsTheWindowHeight) {
  using common::FitScrollBar;
  struct Case {
    int panelHeight, windowHeight, barHeight, maximum;
  };
  // The activity window, then the two phase-equilibrium windows.
  for (const Case& c : {Case{800, 400, 385, 400}, Case{800, 800, 785, 0}, Case{800, 700, 685, 100},
                        Case{925, 400, 385, 525}, Case{925, 925, 910, 0}, Case{835, 64, 49, 771},
                        Case{835, 835, 820, 0}}) {
    const common::ScrollFit fit = FitScrollBar({0, c.panelHeight, 700}, c.windowHeight);
    EXPECT_EQ(fit.barHeight, c.barHeight) << c.panelHeight << " at " << c.windowHeight;
    EXPECT_EQ(fit.maximum, c.maximum) << c.panelHeight << " at " << c.windowHeight;
  }
}

TEST(ScrolledPanelTest, ActivityWindowResizesAndScrollsItsPanel) {
  ActivityWindow& window = FreshWindow<ActivityWindow>();
  fw::ScrollBar& bar = window.ScrollBarOf("ScrollBar1");
  EXPECT_EQ(bar.height(), 685);
  EXPECT_EQ(bar.Maximum(), 100);

  const int menu = window.height() - window.Height();
  window.resize(window.width(), 400 + menu);
  EXPECT_EQ(window.Height(), 400);
  EXPECT_EQ(bar.height(), 385);
  EXPECT_EQ(bar.Maximum(), 400);

  const int listTop = window.Control("ListBox1").mapTo(&window, QPoint(0, 0)).y();
  bar.SetValue(100);
  EXPECT_EQ(window.Control("Rectangle1").y(), -100);
  EXPECT_EQ(window.Control("ListBox1").mapTo(&window, QPoint(0, 0)).y(), listTop - 100);

  window.resize(window.width(), 800 + menu);
  EXPECT_EQ(bar.height(), 785);
  EXPECT_EQ(bar.Maximum(), 0);
  EXPECT_EQ(window.Control("Rectangle1").y(), 0);  // nothing stays scrolled past the end
}
