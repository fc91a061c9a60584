// The homogenization and liquid-vapour windows driven through the application:
// composition in the fluid window, the window from the procedure window, first
// approach, edits and search.
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "engine/Services.h"
#include "framework/Numbers.h"
#include "tests/app/AppFixture.h"
#include "tests/engine/EngineTestSupport.h"
#include "tests/engine/EqualFugacity.h"
#include "windows/phase_equilibrium/BubbleDewPoint.h"
#include "windows/phase_equilibrium/LiquidVapourEq.h"
#include "windows/phase_equilibrium/PhaseWindowParts.h"

// Failures show the texts, not their bytes.
void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString kFailed = "No solution, adjust First Approach and try again";
const QString kFractions = "The fractions must have a number between 0 and 1";

class PhaseWindowsTest : public AppTest {
 protected:
  // Accepts a composition in the fluid window and leaves the fluid window open.
  static Start2Window& Accept(std::initializer_list<std::pair<int, const char*>> parts) {
    Start2Window& fluid = FluidWindow();
    for (const auto& [component, text] : parts) Type(fluid, component, text);
    Continue(fluid);
    return fluid;
  }

  template <class W>
  static W& Open(const char* radio) {
    Start3Window& procedures = fw::SoleInstance<Start3Window>();
    QTest::mouseClick(&procedures.RadioOf(radio), Qt::LeftButton);
    procedures.ButtonOf("PushButton1").Press();
    return dynamic_cast<W&>(*fw::OpenWindow(W::Layout().className));
  }

  static void Enter(fw::Window& window, std::string_view field, const QString& text) {
    window.Field(field).SetText({});
    QTest::keyClicks(&window.Field(field), text);
  }
  static void Press(fw::Window& window, std::string_view button) {
    QTest::mouseClick(&window.Control(button), Qt::LeftButton);
  }
  static QString Shown(const fw::Window& window, std::string_view label) {
    return window.Label(label).Text();
  }
  static double Value(const QString& text) { return fw::Val(text).value_or(NAN); }

  // Homogenization with the temperature given in the unit shown.
  static void FirstApproachAt(BubbleDewPoint& window, const char* temperature, const char* mode) {
    Enter(window, "dataEntryTh", temperature);
    Press(window, mode);
    Press(window, "FirstApproach");
  }

  // Homogenization with the temperature given, in °C.
  static void FirstApproachAtCelsius(BubbleDewPoint& window, const char* celsius, const char* mode) {
    Press(window, "Celsius");
    FirstApproachAt(window, celsius, mode);
  }

  static void LiquidVapourFirstApproach(LiquidVapourEq& window, const char* volume,
                                        const char* kelvin) {
    Enter(window, "dataEntry", volume);
    Enter(window, "dataEntry1", kelvin);
    Press(window, "CalFirstApproach");
  }

  // A bubble point at 250 K, and the liquid-vapour split at `volume` and `kelvin`.
  struct BothWindows {
    BubbleDewPoint& homogenization;
    LiquidVapourEq& equilibrium;
  };
  static BothWindows CalculateInBoth(const char* volume, const char* kelvin) {
    auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
    FirstApproachAt(homogenization, "250", "Liquid1");
    Press(homogenization, "calculate");
    auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
    LiquidVapourFirstApproach(equilibrium, volume, kelvin);
    Press(equilibrium, "calculate");
    return {homogenization, equilibrium};
  }
};

}  // namespace

TEST_F(PhaseWindowsTest, PureCarbonDioxideHomogenizesAndSplitsAtItsSaturationPressure) {
  Accept({{CO2, "1"}});
  const double saturation = engine_test::SaturationByEqualFugacity(CO2, 273.15, 2.0, 6.0);

  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  FirstApproachAtCelsius(homogenization, "0", "Liquid1");
  EXPECT_TRUE(homogenization.Control("ImageWell3").isVisible());
  EXPECT_FALSE(homogenization.Control("ImageWell4").isVisible());
  Press(homogenization, "calculate");
  EXPECT_NEAR(Value(Shown(homogenization, "Answer")), saturation, 1e-6 * saturation);
  EXPECT_TRUE(Shown(homogenization, "ResultText").startsWith("Solution after "));
  EXPECT_EQ(Shown(homogenization, "PhaseX1"), "Phase X, solution") << "the liquid is denser";
  EXPECT_EQ(Shown(homogenization, "PhaseY1"), "Phase Y");

  auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
  Press(equilibrium, "Celsius");
  LiquidVapourFirstApproach(equilibrium, "150", "0");
  EXPECT_EQ(equilibrium.Field("dataEntry3").Text(), "0.5");
  Press(equilibrium, "calculate");
  EXPECT_EQ(Shown(equilibrium, "Answer"), Shown(homogenization, "Answer"));
  const double vapour = Value(equilibrium.List("ListBoxFracY").Cell(0, 0));
  EXPECT_GT(vapour, 0.0);
  EXPECT_LT(vapour, 1.0);
  EXPECT_NEAR(Value(equilibrium.List("ListBoxFracX").Cell(0, 0)), 1.0 - vapour, 1e-6);
  EXPECT_TRUE(Shown(equilibrium, "ResultText").startsWith("Solution after "));

  // Going on from the K-values of that search, all 1, the start is at once a
  // root of the K-values but not of the pressure: the search goes on to the
  // saturation pressure, where the vapour alone would fill more than 1000.
  Enter(equilibrium, "dataEntry", "1000");
  Press(equilibrium, "calculate");
  EXPECT_EQ(Shown(equilibrium, "ResultText"), kFractions);
  EXPECT_NEAR(Value(Shown(equilibrium, "Answer")), saturation, 1e-6 * saturation);

  for (const char* volume : {"1000", "50"}) {
    LiquidVapourFirstApproach(equilibrium, volume, "0");
    Press(equilibrium, "calculate");
    EXPECT_EQ(Shown(equilibrium, "ResultText"), kFractions) << volume;
    EXPECT_EQ(Shown(equilibrium, "Answer"), Shown(homogenization, "Answer")) << volume;
  }
}

// With the pressure given, the first temperature is 298.15 K whatever the
// unit, and the search finds the temperature at which that pressure is the
// saturation pressure (from a separate equal-fugacity solve at 290 K).
TEST_F(PhaseWindowsTest, WithThePressureGivenTheTemperatureIsSoughtFrom298K) {
  Accept({{C3H8, "1"}});
  const double saturation = engine_test::SaturationByEqualFugacity(C3H8, 290.0, 0.3, 2.0);
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  Press(homogenization, "RadioButtonPh");
  Press(homogenization, "Celsius");
  Enter(homogenization, "dataEntryPh", QString::number(saturation, 'g', 17));
  Press(homogenization, "Liquid1");
  Press(homogenization, "FirstApproach");
  EXPECT_EQ(homogenization.Field("dataEntry2").Text(), "298.15");
  for (const char* label : {"Homogen", "Homogen2"})
    EXPECT_EQ(Shown(homogenization, label), "Homogenization Temperature");
  for (const char* label : {"Dimension", "Dimension2"}) EXPECT_EQ(Shown(homogenization, label), "Kelvin");
  Press(homogenization, "calculate");
  EXPECT_NEAR(Value(Shown(homogenization, "Answer")), 290.0, 1e-5);
  EXPECT_TRUE(Shown(homogenization, "ResultText").startsWith("Solution after "));
  EXPECT_EQ(Shown(homogenization, "PhaseX1"), "Phase X, solution");

  // The fugacity of the liquid is taken at the given pressure, not at the
  // temperature found: phi P of the saturated liquid at 290 K.
  Engine engine;
  const Composition propane = engine_test::Pure(C3H8);
  CubicRoots roots = engine.Volume(propane, 290.0, saturation);
  engine.Fugacities(propane, 290.0, saturation, engine.VolumeChoice(roots, 2));
  EXPECT_NEAR(Value(homogenization.List("ListBoxPhaseX2").Cell(0, 1)), engine.Fugacity[C3H8],
              1e-6 * engine.Fugacity[C3H8]);
}

// The two phases of a binary at 250 K and 100 cm3/mol as the lists show them
// (7 digits): they fill the volume and hold the mixture's moles, each density
// is its own phase's mass over its volume, and each component has one
// fugacity in both phases.
TEST_F(PhaseWindowsTest, ASplitMixtureIsShownInBalanceWithOneFugacityPerComponent) {
  Accept({{CO2, "0.8"}, {CH4, "0.2"}});
  auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
  LiquidVapourFirstApproach(equilibrium, "100", "250");
  Press(equilibrium, "calculate");
  ASSERT_TRUE(Shown(equilibrium, "ResultText").startsWith("Solution after "));
  const auto one = [&](const char* list) { return Value(equilibrium.List(list).Cell(0, 0)); };
  const auto cell = [&](const char* list, int row) {
    return Value(equilibrium.List(list).Cell(row, 1));
  };
  const double w = one("ListBoxFracY"), vx = one("ListBoxVmX"), vy = one("ListBoxVmY");
  EXPECT_NEAR(one("ListBoxFracX"), 1.0 - w, 1e-6);
  const double molesX = (1.0 - w) * 100.0 / vx, molesY = w * 100.0 / vy;
  EXPECT_NEAR(molesX + molesY, 1.0, 1e-5);
  const double molarMass[] = {44.0098, 16.04276};  // CO2, CH4, g/mol
  const double z[] = {0.8, 0.2};
  double massX = 0.0, massY = 0.0;
  for (int row = 0; row < 2; ++row) {
    const double x = cell("ListBoxPhaseX1", row), y = cell("ListBoxPhaseY1", row);
    EXPECT_NEAR(molesX * x + molesY * y, z[row], 1e-5) << row;
    massX += x * molarMass[row];
    massY += y * molarMass[row];
    const double fx = cell("ListBoxPhaseX2", row), fy = cell("ListBoxPhaseY2", row);
    EXPECT_NEAR(fx, fy, 2e-6 * fy) << row;
  }
  EXPECT_GT(cell("ListBoxPhaseX1", 0) - cell("ListBoxPhaseY1", 0), 0.1) << "two different phases";
  EXPECT_NEAR(one("ListBoxDX") * vx, massX, 2e-6 * massX);
  EXPECT_NEAR(one("ListBoxDY") * vy, massY, 2e-6 * massY);
}

// Both first approaches rescale each phase to a total of one, also where the
// K-values make its raw fractions sum to far more or less.
TEST_F(PhaseWindowsTest, EachFirstApproachPhaseSumsToOne) {
  Accept({{CO2, "0.5"}, {CH4, "0.3"}, {N2, "0.2"}});
  const auto expectSums = [](const fw::Window& window, const char* mode) {
    for (const char* list : {"ListBoxPhaseX", "ListBoxPhaseY"}) {
      const fw::ListBox& phase = window.List(list);
      ASSERT_EQ(phase.ListCount(), 3);
      double sum = 0.0;
      for (int row = 0; row < 3; ++row) sum += Value(phase.Cell(row, 1));
      EXPECT_NEAR(sum, 1.0, 2e-7) << window.ClassName() << " " << mode << " " << list;
    }
  };
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  for (const char* mode : {"Vapour1", "Liquid1"}) {
    FirstApproachAtCelsius(homogenization, "-50", mode);
    expectSums(homogenization, mode);
  }
  auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
  LiquidVapourFirstApproach(equilibrium, "100", "220");
  expectSums(equilibrium, "");
}

// The message names the passes counted from 0: the hook is called once per
// pass and once per component visit of the four result lists (4 x 21).
TEST_F(PhaseWindowsTest, TheMessageNamesThePassesOrAPossibleTrivialSolution) {
  static int calls;
  Accept({{CO2, "0.8"}, {CH4, "0.2"}});
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  FirstApproachAt(homogenization, "250", "Liquid1");
  calls = 0;
  SetBackgroundTaskHook([] { ++calls; });
  Press(homogenization, "calculate");
  SetBackgroundTaskHook(nullptr);
  const int passes = calls - 4 * 21;
  EXPECT_EQ(Shown(homogenization, "ResultText"),
            QString("Solution after %1 iterations").arg(passes - 1));

  // Above the mixture's critical temperature the search ends with one phase twice.
  Start2Window& fluid = FluidWindow();
  Type(fluid, CO2, "0.5");
  Type(fluid, CH4, "0.5");
  Continue(fluid);
  Enter(homogenization, "dataEntryTh", "270");
  Press(homogenization, "FirstApproach");
  Press(homogenization, "calculate");
  EXPECT_EQ(Shown(homogenization, "ResultText"),
            "Possible trivial solution, optional: adjust First Approach and try again");
  EXPECT_EQ(Shown(homogenization, "PhaseX1"), "Phase X");
  EXPECT_NEAR(Value(homogenization.List("ListBoxPhaseY1").Cell(0, 1)), 0.5, 1e-4);
}

// The classic water dew point of a gas, from the window's own first approach;
// a separate long-double equal-fugacity solve gives 8.95006741473 MPa.
TEST_F(PhaseWindowsTest, TheWaterDewPointOfAGasIsASolution) {
  Accept({{CH4, "0.9957"}, {H2O, "0.0043"}});
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  FirstApproachAt(homogenization, "300", "Vapour1");
  EXPECT_EQ(homogenization.Field("dataEntry2").Text(), "0.806098");
  Press(homogenization, "calculate");
  EXPECT_EQ(Shown(homogenization, "Answer"), "8.950067");
  EXPECT_TRUE(Shown(homogenization, "ResultText").startsWith("Solution after "));
  EXPECT_EQ(Shown(homogenization, "PhaseY1"), "Phase Y, solution");
}

// Water, listed first, is a trace here: its fractions in the two phases are
// nearly alike, yet the phases (62.43 and 285.94 cm3/mol) are two.
TEST_F(PhaseWindowsTest, ASplitWithATraceListedFirstIsASolution) {
  Accept({{H2O, "0.00001"}, {CH4, "0.69999"}, {C2H6, "0.3"}});
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  FirstApproachAt(homogenization, "200", "Liquid1");
  Press(homogenization, "calculate");
  EXPECT_EQ(Shown(homogenization, "Answer"), "3.753331");
  EXPECT_TRUE(Shown(homogenization, "ResultText").startsWith("Solution after "));
  EXPECT_EQ(Shown(homogenization, "PhaseX1"), "Phase X, solution");
}

// Above the two-phase region (240 °C, and CO2 with N2 at 300 K, where a
// tangent-plane test finds no phase that splits the mixture) the search closes
// in on one phase: a possible trivial solution, with no volume fractions. It
// shows the mixture at the given volume; pressure and CO2 fugacity from a
// 30-digit evaluation of the equation of state apart from the program.
TEST_F(PhaseWindowsTest, OnePhaseIsAPossibleTrivialSolutionWithoutVolumeFractions) {
  for (const auto& [other, kelvin, P, fugacity] :
       {std::tuple{CH4, "513.15", 26.3613513586, 17.549660395},
        std::tuple{N2, "300", 9.25655935032, 4.22288978165}}) {
    Accept({{CO2, "0.8"}, {CH4, other == CH4 ? "0.2" : "0"}, {N2, other == N2 ? "0.2" : "0"}});
    auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
    LiquidVapourFirstApproach(equilibrium, "150", kelvin);
    Press(equilibrium, "calculate");
    EXPECT_EQ(Shown(equilibrium, "ResultText"),
              "Possible trivial solution, optional: adjust First Approach and try again");
    EXPECT_NEAR(Value(Shown(equilibrium, "Answer")), P, 5e-7 * P) << kelvin;
    for (const std::string phase : {"X", "Y"}) {
      EXPECT_EQ(equilibrium.List("ListBoxFrac" + phase).ListCount(), 0) << phase;
      EXPECT_EQ(equilibrium.List("ListBoxVm" + phase).Cell(0, 0), "150") << phase;
      const double shown = Value(equilibrium.List("ListBoxPhase" + phase + "2").Cell(0, 1));
      EXPECT_NEAR(shown, fugacity, 5e-7 * fugacity) << phase;
    }
  }
  // Inside the spinodal (dP/dV +6.5e-4 MPa mol/cm3 by the same evaluation) no
  // one phase fills the volume: the search found nothing.
  Accept({{CO2, "0"}, {N2, "0"}, {CH4, "0.6713"}, {C3H8, "0.3287"}});
  auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
  LiquidVapourFirstApproach(equilibrium, "349.9", "207.7");
  Press(equilibrium, "calculate");
  EXPECT_EQ(Shown(equilibrium, "ResultText"), kFailed);
  EXPECT_EQ(equilibrium.List("ListBoxFracY").ListCount(), 1);
}

// A calculate never solves a mixture that the fluid window no longer holds:
// its clear, or another composition, takes away each phase window's first
// approach and results.
TEST_F(PhaseWindowsTest, ACompositionTakenUpLeavesNothingOfTheOneBefore) {
  for (const bool clear : {true, false}) {
    Start2Window& fluid = Accept({{CO2, "0.8"}, {CH4, "0.2"}});
    auto [homogenization, equilibrium] = CalculateInBoth("150", "240");
    if (clear)
      Press(fluid, "Clear");
    else
      Accept({{CO2, "0.5"}, {CH4, "0.5"}});
    EXPECT_EQ(Shown(homogenization, "PhaseX1"), "Phase X");
    for (fw::Window* window : std::initializer_list<fw::Window*>{&homogenization, &equilibrium}) {
      EXPECT_EQ(Shown(*window, "ResultText"), "");
      EXPECT_EQ(window->List("ListBoxPhaseX").ListCount(), 0);
      EXPECT_EQ(window->List("ListBoxVmY").ListCount(), 0);
      Press(*window, "calculate");
      EXPECT_EQ(Shown(*window, "Answer"), "put number") << "no first approach is left";
      Enter(*window, "dataEntry2", "5");
      if (window->Find("dataEntry3")) Enter(*window, "dataEntry3", "0.5");
      Press(*window, "calculate");
      EXPECT_EQ(Shown(*window, "Answer"), clear ? "no solution" : "");
      EXPECT_EQ(Shown(*window, "ResultText"), clear ? "" : kFailed);
    }
    if (!clear) continue;
    Press(equilibrium, "CalFirstApproach");
    ASSERT_EQ(equilibrium.Field("dataEntry2").Text(), "no solution");
    Accept({{CO2, "0.8"}, {CH4, "0.2"}});  // the refusals of the empty mixture go
    EXPECT_EQ(Shown(homogenization, "Answer") + equilibrium.Field("dataEntry2").Text(), "");
  }
}

TEST_F(PhaseWindowsTest, HomogenizationGoesOnFromItsOwnFirstApproachWhateverOthersStore) {
  Start2Window& fluid = Accept({{CO2, "0.8"}, {CH4, "0.2"}});
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  FirstApproachAt(homogenization, "250", "Liquid1");
  ASSERT_EQ(homogenization.List("ListBoxPhaseX").ListCount(), 2);
  EXPECT_EQ(homogenization.List("ListBoxPhaseX").Cell(0, 1), "0.8") << "the liquid is the mixture";

  // Another window's first approach overwrites the shared values.
  LiquidVapourFirstApproach(Open<LiquidVapourEq>("LiquidVapour"), "100", "300");

  Press(homogenization, "calculate");
  EXPECT_NEAR(Value(Shown(homogenization, "Answer")), 5.20587028631, 5e-6);
  EXPECT_NEAR(Value(homogenization.List("ListBoxPhaseY1").Cell(0, 1)), 0.505201098695, 5e-7);
  EXPECT_EQ(homogenization.List("ListBoxPhaseY1").Cell(0, 0), "CO2");

  // The typed fractions are the fluid window's own: continue accepts them unchanged.
  Continue(fluid);
  EXPECT_EQ(SumText(fluid), "1");
  EXPECT_EQ(Globals.fraction[CO2], 0.8);

  // The dew point marks the lighter phase.
  FirstApproachAtCelsius(homogenization, "-23.15", "Vapour1");
  EXPECT_TRUE(homogenization.Control("ImageWell4").isVisible());
  EXPECT_FALSE(homogenization.Control("ImageWell3").isVisible());
  Press(homogenization, "calculate");
  EXPECT_TRUE(Shown(homogenization, "ResultText").startsWith("Solution after "));
  EXPECT_EQ(Shown(homogenization, "PhaseY1"), "Phase Y, solution");
}

TEST_F(PhaseWindowsTest, CalculateBeforeAnyFirstApproachFailsAtOnce) {
  Accept({{CO2, "0.5"}, {CH4, "0.5"}});
  auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
  Enter(equilibrium, "dataEntry", "100");
  Enter(equilibrium, "dataEntry1", "250");
  Enter(equilibrium, "dataEntry2", "5");
  Enter(equilibrium, "dataEntry3", "0.5");
  Press(equilibrium, "calculate");
  EXPECT_EQ(Shown(equilibrium, "ResultText"), kFailed);
  EXPECT_EQ(Shown(equilibrium, "Answer"), "");
  EXPECT_EQ(equilibrium.List("ListBoxPhaseY1").ListCount(), 0);

  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  Enter(homogenization, "dataEntry2", "5");
  Press(homogenization, "calculate");
  EXPECT_EQ(Shown(homogenization, "ResultText"), kFailed);

  // A first approach, then clear: nothing shown is left to go on from.
  Enter(homogenization, "dataEntryTh", "250");
  Press(homogenization, "FirstApproach");
  Press(homogenization, "Clear");
  Enter(homogenization, "dataEntry2", "5");
  Press(homogenization, "calculate");
  EXPECT_EQ(Shown(homogenization, "ResultText"), kFailed);
}

TEST_F(PhaseWindowsTest, ARefusedEntryComputesNothingAndLeavesNoEarlierResult) {
  Accept({{CO2, "0.8"}, {CH4, "0.2"}});
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  const auto solve = [&] {
    FirstApproachAt(homogenization, "250", "Liquid1");
    Press(homogenization, "calculate");
    ASSERT_EQ(Shown(homogenization, "PhaseX1"), "Phase X, solution");
  };
  const auto nothingShown = [&](const char* answer) {
    EXPECT_EQ(Shown(homogenization, "Answer"), answer);
    EXPECT_EQ(Shown(homogenization, "ResultText"), "");
    EXPECT_EQ(Shown(homogenization, "PhaseX1"), "Phase X");
    EXPECT_EQ(homogenization.List("ListBoxVmX").ListCount(), 0);
    EXPECT_EQ(homogenization.List("ListBoxPhaseY2").ListCount(), 0);
  };
  solve();
  Press(homogenization, "Clear");  // the mark of the solution phase goes too
  nothingShown("");
  solve();
  Enter(homogenization, "dataEntry2", "abc");
  Press(homogenization, "calculate");
  nothingShown("put number");
  Enter(homogenization, "dataEntry2", "0");  // a start at no state
  Press(homogenization, "calculate");
  nothingShown("no solution");

  // A refused first approach also forgets the start: calculate has nothing to go on from.
  for (const char* kelvin : {"abc", "0", "-5"}) {
    solve();
    Enter(homogenization, "dataEntryTh", kelvin);
    Press(homogenization, "FirstApproach");
    EXPECT_EQ(homogenization.Field("dataEntry2").Text(),
              std::string_view(kelvin) == "abc" ? "put number" : "no solution");
    nothingShown("");
    EXPECT_EQ(homogenization.List("ListBoxPhaseX").ListCount(), 0) << kelvin;
    Enter(homogenization, "dataEntry2", "5");
    Press(homogenization, "calculate");
    EXPECT_EQ(Shown(homogenization, "ResultText"), kFailed) << kelvin;
  }
  Press(homogenization, "RadioButtonPh");
  Enter(homogenization, "dataEntryPh", "0");
  Press(homogenization, "FirstApproach");
  EXPECT_EQ(homogenization.Field("dataEntry2").Text(), "no solution");

  auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
  LiquidVapourFirstApproach(equilibrium, "100", "250");
  for (const char* volume : {"0", "-0", "-5", "-1e300", "30"}) {  // co-volume 30.96 cm3/mol
    Enter(equilibrium, "dataEntry", "100");
    Press(equilibrium, "calculate");
    ASSERT_TRUE(Shown(equilibrium, "ResultText").startsWith("Solution after "));
    Enter(equilibrium, "dataEntry", volume);
    Press(equilibrium, "calculate");
    EXPECT_EQ(Shown(equilibrium, "Answer"), "no solution") << volume;
    EXPECT_EQ(Shown(equilibrium, "ResultText"), "") << volume;
    EXPECT_EQ(equilibrium.List("ListBoxFracY").ListCount(), 0) << volume;
  }
  Enter(equilibrium, "dataEntry", "100");
  Enter(equilibrium, "dataEntry1", "-5");
  Press(equilibrium, "calculate");
  EXPECT_EQ(Shown(equilibrium, "Answer"), "no solution");
  LiquidVapourFirstApproach(equilibrium, "100", "0");
  EXPECT_EQ(equilibrium.Field("dataEntry2").Text(), "no solution");
  EXPECT_EQ(equilibrium.List("ListBoxPhaseX").ListCount(), 0);
  LiquidVapourFirstApproach(equilibrium, "100", "");
  EXPECT_EQ(equilibrium.Field("dataEntry2").Text(), "put number");
  LiquidVapourFirstApproach(equilibrium, "1,5", "250");
  Press(equilibrium, "calculate");
  EXPECT_EQ(Shown(equilibrium, "Answer"), "put number");
}

TEST_F(PhaseWindowsTest, AnEditedFirstApproachValueIsStoredAsTypedAndANonNumberIsRefused) {
  Accept({{CO2, "0.5"}, {CH4, "0.5"}});
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  Enter(homogenization, "dataEntryTh", "250");
  Press(homogenization, "FirstApproach");
  const Composition x = Globals.xgas;
  fw::ListBox& list = homogenization.List("ListBoxPhaseY");
  EXPECT_NE(Globals.ygas[CO2], Value(list.Cell(0, 1))) << "filling a list is no edit of it";
  const auto edit = [&list](int row, const QString& text) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(row, 0)).center());
    QLineEdit* editor = list.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "a click on the name opens the value";
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the list commits the edit once the key is handled
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // and drops the editor
  };
  edit(0, "1.5");
  EXPECT_EQ(Globals.ygas[CO2], 1.5);
  EXPECT_EQ(Globals.xgas, x);
  EXPECT_EQ(list.CellType(0, 0), fw::ListBox::TypeDefault);

  edit(1, "abc");
  Enter(homogenization, "dataEntry2", "5");
  Press(homogenization, "calculate");
  EXPECT_EQ(Shown(homogenization, "Answer"), "put number");
  edit(1, "0.2");
  EXPECT_EQ(Globals.ygas[CH4], 0.2);
  Press(homogenization, "calculate");
  EXPECT_NE(Shown(homogenization, "Answer"), "put number");
}

namespace {

// A yield hook that, at its fifth call, presses every button of `target` and
// closes it, and records how deeply it was entered.
struct Meddler {
  static inline QPointer<fw::Window> target;
  static inline int calls = 0, depth = 0, deepest = 0;
  static void Hook() {
    ++depth;
    deepest = std::max(deepest, depth);
    if (++calls == 5 && target) {
      for (const char* name : {"calculate", "FirstApproach", "CalFirstApproach", "Clear"})
        if (auto* button = qobject_cast<fw::PushButton*>(target->Find(name))) button->Press();
      target->close();
    }
    --depth;
  }
};

}  // namespace

TEST_F(PhaseWindowsTest, ClosingOrPressingButtonsDuringASearchStartsNothingNew) {
  Accept({{CO2, "0.8"}, {CH4, "0.2"}});
  auto& homogenization = Open<BubbleDewPoint>("Homogenisation");
  Enter(homogenization, "dataEntryTh", "250");
  Press(homogenization, "FirstApproach");
  auto& equilibrium = Open<LiquidVapourEq>("LiquidVapour");
  LiquidVapourFirstApproach(equilibrium, "100", "250");

  for (fw::Window* window : {static_cast<fw::Window*>(&homogenization),
                             static_cast<fw::Window*>(&equilibrium)}) {
    Meddler::target = window;
    Meddler::calls = Meddler::deepest = 0;
    SetBackgroundTaskHook(&Meddler::Hook);
    window->ButtonOf("calculate").Press();
    SetBackgroundTaskHook(nullptr);
    EXPECT_EQ(Meddler::deepest, 1) << window->ClassName() << ": no search inside the search";
    ASSERT_FALSE(Meddler::target.isNull()) << "destroyed only after its handler";
    EXPECT_FALSE(window->Label("ResultText").Text().isEmpty()) << "clear did nothing";
    EXPECT_EQ(fw::OpenWindow(window->ClassName()), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Meddler::target.isNull());
  }
}

// A composition stored during a search (from the yield, where only its notice
// can arrive) drops the search's result: nothing shown, nothing stored.
TEST_F(PhaseWindowsTest, ASearchWhoseMixtureWasReplacedWhileItRanLeavesNothing) {
  Accept({{CO2, "0.8"}, {CH4, "0.2"}});
  auto [homogenization, equilibrium] = CalculateInBoth("100", "250");
  for (fw::Window* window : std::initializer_list<fw::Window*>{&homogenization, &equilibrium}) {
    Accept({{CO2, "0.8"}, {CH4, "0.2"}});
    Press(*window, window == &equilibrium ? "CalFirstApproach" : "FirstApproach");
    const Composition K = Globals.K_liq_vap, x = Globals.xgas;
    SetBackgroundTaskHook([] {
      if (Globals.fraction[CO2] == 0.8) Accept({{CO2, "0.5"}, {CH4, "0.5"}});
    });
    Press(*window, "calculate");
    SetBackgroundTaskHook(nullptr);
    EXPECT_EQ(Shown(*window, "Answer") + Shown(*window, "ResultText"), "") << window->ClassName();
    EXPECT_EQ(window->List("ListBoxPhaseY1").ListCount(), 0) << window->ClassName();
    EXPECT_TRUE(Globals.K_liq_vap == K && Globals.xgas == x) << window->ClassName();
  }
}

TEST_F(PhaseWindowsTest, ScrollBarsFollowTheWindowHeights) {
  auto& homogenization = fw::ShowWindow<BubbleDewPoint>();
  auto& equilibrium = fw::ShowWindow<LiquidVapourEq>();
  struct Case {
    fw::Window* window;
    int height, barHeight, maximum;
  };
  for (const Case& c : {Case{&homogenization, 400, 385, 525}, Case{&homogenization, 925, 910, 0},
                        Case{&equilibrium, 64, 49, 771}, Case{&equilibrium, 835, 820, 0}}) {
    c.window->resize(c.window->width(), c.window->height() - c.window->Height() + c.height);
    EXPECT_EQ(c.window->Height(), c.height);
    EXPECT_EQ(c.window->ScrollBarOf("ScrollBar1").height(), c.barHeight);
    EXPECT_EQ(c.window->ScrollBarOf("ScrollBar1").Maximum(), c.maximum);
  }
}

TEST_F(PhaseWindowsTest, DISABLED_SaveBothWindowsAfterACalculation) {
  const QString folder = qEnvironmentVariable("VESTREL_PICTURES", QDir::tempPath());
  Accept({{CO2, "0.8"}, {CH4, "0.2"}});
  auto [homogenization, equilibrium] = CalculateInBoth("100", "250");
  for (fw::Window* window : {static_cast<fw::Window*>(&homogenization),
                             static_cast<fw::Window*>(&equilibrium)}) {
    window->resize(window->width(), window->height() - window->Height() + 925);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->grab().save(
        QDir(folder).filePath(QString::fromStdString(window->ClassName()) + "-result.png")));
  }
}
