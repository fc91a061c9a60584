// The thermodynamic function windows driven as a user would, checked against
// quoted engine values and the identities between the five functions.
#include <gtest/gtest.h>

#include <QSvgRenderer>
#include <cmath>

#include "framework/Application.h"
#include "framework/Inspection.h"
#include "framework/Numbers.h"
#include "tests/windows/single_phase/WindowDriver.h"
#include "windows/thermodynamic_functions/ThermoFunctionForm.h"

using namespace single_phase_test;

namespace {

double Shown(const QString& text) { return fw::Val(text).value(); }

// Opens W afresh, calculates at P (MPa) and T (K) and picks root `column`.
template <class W>
W& Pick(const QString& pressure, const QString& kelvin, int column) {
  W& window = FreshWindow<W>();
  Calculate(window, pressure, kelvin);
  Click(window, "Choice" + std::to_string(column));
  return window;
}

// Total, ideal and excess part as window W shows them.
struct Parts {
  double total, ideal, excess;
};
template <class W>
Parts PickedParts(const QString& pressure, const QString& kelvin, int column) {
  const W& w = Pick<W>(pressure, kelvin, column);
  return {Shown(Text(w, "Result1")), Shown(Text(w, "Result2")), Shown(Text(w, "Result3"))};
}

struct Functions {
  Parts U, H, S, A, G;
};
Functions PickInEveryScalarWindow(const QString& pressure, const QString& kelvin, int column) {
  return {PickedParts<EnergyWindow>(pressure, kelvin, column),
          PickedParts<EnthalpyWindow>(pressure, kelvin, column),
          PickedParts<EntropyWindow>(pressure, kelvin, column),
          PickedParts<HelmholtzWindow>(pressure, kelvin, column),
          PickedParts<GibbsWindow>(pressure, kelvin, column)};
}

// a = b - c to the 7 digits the windows show of each.
void ExpectDifference(double a, double b, double c) {
  EXPECT_NEAR(a, b - c, 1e-6 * (std::fabs(a) + std::fabs(b) + std::fabs(c)));
}

}  // namespace

TEST(ThermoFunctionWindowsTest, HeliumAtOneLitrePerMoleGivesTheReferenceValues) {
  Globals.fraction = Pure(He);
  // The pressure at 300 K and 1000 cm3/mol to all its digits: the largest root is 1000 again.
  const QString pressure = QString::number(Globals.Pressure(Pure(He), 300, 1000), 'g', 17);
  const Functions f = PickInEveryScalarWindow(pressure, "300", 2);
  const std::pair<Parts, double> expected[] = {
      {f.U, -2456.57}, {f.H, 79.048}, {f.S, 99.3955}, {f.A, -32275.2}, {f.G, -29739.6}};
  for (const auto& [parts, value] : expected) {
    EXPECT_NEAR(parts.total, value, 5e-6 * std::fabs(value));
    EXPECT_EQ(parts.ideal, parts.total) << "a pure substance is its own ideal mixture";
    EXPECT_EQ(parts.excess, 0.0);
  }
  const fw::ListBox& list = Pick<ChemPotWindow>(pressure, "300", 2).List("ListBox1");
  ASSERT_EQ(list.ListCount(), 1);
  EXPECT_EQ(list.Cell(0, 0), "He");
  EXPECT_NEAR(Shown(list.Cell(0, 1)), -29739.6, 0.15) << "μ of a pure substance is its G";
}

TEST(ThermoFunctionWindowsTest, EveryRootOfAThreeRootMixtureObeysTheRelationsBetweenFunctions) {
  const Composition x = Mixture({{CH4, 0.2}, {CO2, 0.8}});
  Globals.fraction = x;
  ASSERT_EQ(Globals.Volume(x, 240, 2)[1], (std::array<double, 3>{0, 0, 0}));
  for (int column = 0; column < 3; ++column) {
    SCOPED_TRACE(column);
    const Functions f = PickInEveryScalarWindow("2", "240", column);
    for (auto part : {&Parts::total, &Parts::ideal, &Parts::excess}) {
      ExpectDifference(f.G.*part, f.H.*part, 240 * (f.S.*part));
      ExpectDifference(f.A.*part, f.U.*part, 240 * (f.S.*part));
    }
    EXPECT_NE(f.G.excess, 0.0);

    const ChemPotWindow& potentials = Pick<ChemPotWindow>("2", "240", column);
    ExpectDifference(f.U.total, f.H.total, 2 * Shown(Text(potentials, "Result")));  // P·V
    const fw::ListBox& list = potentials.List("ListBox1");
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.Cell(0, 0), "CO2");
    ExpectDifference(0.8 * Shown(list.Cell(0, 1)), f.G.total, 0.2 * Shown(list.Cell(1, 1)));
  }
}

TEST(ThermoFunctionWindowsTest, RootThatIsNoStateOfTheMixtureShowsNoSolution) {
  // A complex pair: columns 1 and 2.
  Globals.fraction = Mixture({{CO2, 0.5}, {CH4, 0.5}});
  for (int column : {1, 2}) {
    const GibbsWindow& gibbs = Pick<GibbsWindow>("5", "250", column);
    for (const char* name : {"Result", "Result1", "Result2", "Result3"})
      EXPECT_EQ(Text(gibbs, name), "no solution") << name;
    const fw::ListBox& list = Pick<ChemPotWindow>("5", "250", column).List("ListBox1");
    ASSERT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.Cell(0, 1), "no solution");
    EXPECT_EQ(list.Cell(1, 1), "no solution");
  }
  // Water under a tension of 2048 MPa at 300 K: root 0 lies between 0 and the
  // co-volume, root 1 is negative.
  Globals.fraction = Pure(H2O);
  const CubicRoots roots = Globals.Volume(Pure(H2O), 300, -2048);
  ASSERT_GT(roots[0][0], 0.0);
  ASSERT_LT(roots[0][0], Globals.CoVolume(Pure(H2O)));
  ASSERT_LT(roots[0][1], 0.0);
  for (int column : {0, 1}) {
    const EnergyWindow& energy = Pick<EnergyWindow>("-2048", "300", column);
    EXPECT_EQ(Text(energy, "Result"), fw::Str(roots[0][column]));
    for (const char* name : {"Result1", "Result2", "Result3"})
      EXPECT_EQ(Text(energy, name), "no solution") << name;
  }
}

TEST(ThermoFunctionWindowsTest, RootChoiceUsesItsOwnWindowsLastCalculation) {
  Globals.fraction = Pure(CO2);
  EntropyWindow& entropy = FreshWindow<EntropyWindow>();
  Calculate(entropy, "6.4", "298.15");
  const double largest = Globals.Volume(Pure(CO2), 298.15, 6.4)[0][2];

  Globals.fraction = Pure(N2);
  Calculate(FreshWindow<GibbsWindow>(), "1", "400");
  Click(entropy, "Choice2");
  EXPECT_EQ(Text(entropy, "Result"), fw::Str(largest));
  EXPECT_EQ(Text(entropy, "Result1"), fw::Str(Globals.Entropy(Pure(CO2), 298.15, largest)));
}

TEST(ThermoFunctionWindowsTest, EntryThatIsNoNumberEmptiesEarlierResults) {
  Globals.fraction = Pure(CO2);
  EnthalpyWindow& enthalpy = Pick<EnthalpyWindow>("1", "300", 0);
  Calculate(enthalpy, "1", "3OO");
  EXPECT_EQ(Text(enthalpy, "TextChoice0"), "put number");
  Click(enthalpy, "Choice0");
  for (const char* name : {"Result", "Result1", "Result2", "Result3"})
    EXPECT_EQ(Text(enthalpy, name), "") << name;

  ChemPotWindow& potentials = Pick<ChemPotWindow>("1", "300", 0);
  ASSERT_EQ(potentials.List("ListBox1").ListCount(), 1);
  Calculate(potentials, "", "300");
  EXPECT_EQ(potentials.List("ListBox1").ListCount(), 0);
}

TEST(ThermoFunctionWindowsTest, UnitSwitchRelabelsOnlyAndClearKeepsTheUnit) {
  Globals.fraction = Mixture({{CO2, 0.5}, {N2, 0.5}});
  ChemPotWindow& window = Pick<ChemPotWindow>("1", "300", 0);
  const fw::ListBox& list = window.List("ListBox1");
  const QString mu = list.Cell(0, 1);
  Click(window, "Celsius");
  EXPECT_EQ(Text(window, "StaticText3"), QString::fromUtf8("˚Celsius"));
  EXPECT_EQ(list.Cell(0, 1), mu);

  Click(window, "Clear");
  Activate(window);
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.Heading(1), "J/mol");
  EXPECT_EQ(Text(window, "StaticText3"), QString::fromUtf8("˚Celsius"));
  Calculate(window, "1", "26.85");  // °C
  Click(window, "Choice0");
  EXPECT_EQ(list.Cell(0, 1), mu);
}

TEST(ThermoFunctionWindowsTest, EveryWindowShowsItsFormulaAtItsSizeAndEveryTextFits) {
  fw::InstallServices();  // the program's font and style
  for (fw::Window* window : std::initializer_list<fw::Window*>{
           &FreshWindow<EntropyWindow>(), &FreshWindow<HelmholtzWindow>(),
           &FreshWindow<EnergyWindow>(), &FreshWindow<EnthalpyWindow>(),
           &FreshWindow<GibbsWindow>(), &FreshWindow<ChemPotWindow>()}) {
    const auto& canvas = window->Get<fw::Canvas>("Canvas1");
    ASSERT_TRUE(canvas.Backdrop()) << window->ClassName();
    EXPECT_EQ(canvas.Backdrop()->defaultSize(), canvas.size()) << window->ClassName();
    EXPECT_EQ(fw::ClippedControls(*window), std::vector<std::string>{}) << window->ClassName();
  }
}

// The ideal part is the mixture of the pure components at the window's own
// pressure, each at its root there (both supercritical: one root each); a
// calculation in another window, and clear, change nothing of it.
TEST(ThermoFunctionWindowsTest, ARootPickedLaterUsesItsOwnWindowsPressure) {
  const Composition x = Mixture({{N2, 0.5}, {CH4, 0.5}});
  Globals.fraction = x;
  Engine engine;
  double ideal = 0.0;
  for (int i : {N2, CH4}) {
    CubicRoots roots = engine.Volume(Pure(i), 300, 10);
    ideal += 0.5 * engine.Enthalpy(Pure(i), 300, engine.VolumeChoice(roots, 0));
  }
  EnthalpyWindow& enthalpy = FreshWindow<EnthalpyWindow>();
  Calculate(enthalpy, "10", "300");
  Calculate(FreshWindow<GibbsWindow>(), "30", "300");
  Click(enthalpy, "Clear");
  Click(enthalpy, "Choice0");
  EXPECT_NEAR(Shown(Text(enthalpy, "Result2")), ideal, 1e-6 * std::fabs(ideal));
  EXPECT_NE(Shown(Text(enthalpy, "Result3")), 0.0) << "a real mixture has an excess part";
}
