// The critical point window as a user drives it.
#include <gtest/gtest.h>

#include <cmath>

#include "../single_phase/WindowDriver.h"
#include "framework/Numbers.h"
#include "windows/stability/CriticalPointWindow.h"

using namespace single_phase_test;
using fw::Str;

namespace {

Composition CarbonDioxideMethane() { return Mixture({{CO2, 0.5}, {CH4, 0.5}}); }

// The pseudo-critical volume b/(2^(1/3) − 1), cm3/mol, and the co-volume.
double CoVolume(const Composition& x) { return Engine().bMixture(x); }
double PseudoVolume(const Composition& x) { return CoVolume(x) / (std::cbrt(2.0) - 1.0); }

CriticalPointWindow& Open(const Composition& x) {
  Globals.fraction = x;
  CriticalPointWindow& window = FreshWindow<CriticalPointWindow>();
  Activate(window);
  return window;
}

void Guess(fw::Window& window, const QString& first, const QString& second) {
  Type(window, "dataEntry1", first);
  Type(window, "dataEntry2", second);
}

}  // namespace

TEST(CriticalPointWindowTest, ActivationProposesGuessesFromThePseudoCriticalPoint) {
  const Composition x = CarbonDioxideMethane();
  CriticalPointWindow& window = Open(x);
  const double Vpc = PseudoVolume(x), b = CoVolume(x);
  EXPECT_EQ(Text(window, "ResultPseudoV"), Str(Vpc));
  EXPECT_EQ(window.Field("dataEntry1").Text(), Str(Vpc));
  EXPECT_EQ(window.Field("dataEntry2").Text(), Str(b + (Vpc - b) / 2));

  Guess(window, "90", "100");
  Activate(window);  // back from another window: the typed guesses stay
  EXPECT_EQ(window.Field("dataEntry1").Text(), "90");
  Globals.fraction = Pure(CH4);
  Activate(window);  // a new composition: new guesses
  EXPECT_EQ(window.Field("dataEntry1").Text(), Str(PseudoVolume(Pure(CH4))));
  EXPECT_EQ(Text(window, "ResultPseudoV"), Str(PseudoVolume(Pure(CH4))));
}

TEST(CriticalPointWindowTest, CalculateFindsTheMixtureCriticalPoint) {
  CriticalPointWindow& window = Open(CarbonDioxideMethane());
  Click(window, "Celsius");
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "ResultV"), Str(95.9619875377));
  EXPECT_EQ(Text(window, "ResultT"), Str(250.831275511));
  EXPECT_EQ(Text(window, "ResultP"), Str(7.72648527372));
  EXPECT_EQ(Text(window, "StaticText8"), "Kelvin");
  EXPECT_NEAR(Globals.TempKelvin, 250.831275511, 1e-6);
  EXPECT_NEAR(Globals.PresMPa, 7.72648527372, 1e-7);
}

// From the window's own guesses det Q* first vanishes at 259.4067 K, where the
// null vector of Q has no C2H6 entry; the critical point is further on.
TEST(CriticalPointWindowTest, SpuriousZeroIsNotShownAsTheCriticalPoint) {
  CriticalPointWindow& window = Open(Mixture({{CO2, 0.566}, {C2H6, 0.434}}));
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "ResultT"), "291.1452");
  EXPECT_EQ(Text(window, "ResultP"), "5.62739");
}

TEST(CriticalPointWindowTest, EqualGuessesAreNoSolutionInBothUnits) {
  CriticalPointWindow& window = Open(CarbonDioxideMethane());
  Guess(window, "100", "100");
  Click(window, "calculate");
  for (const char* field : {"ResultV", "ResultT", "ResultP"})
    EXPECT_EQ(Text(window, field), "no solution") << field;
  Globals.TempKelvin = 300.0;  // another window's calculation
  Click(window, "Celsius");
  EXPECT_EQ(Text(window, "ResultT"), "no solution");
}

TEST(CriticalPointWindowTest, GuessThatIsNoNumberShowsPutNumber) {
  CriticalPointWindow& window = Open(CarbonDioxideMethane());
  Click(window, "calculate");
  Guess(window, "100", "x");
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "ResultV"), "put number");
  EXPECT_EQ(Text(window, "ResultT"), "");
  EXPECT_EQ(Text(window, "ResultP"), "");
}

// For a pure fluid the critical point is the pseudo-critical one; the guesses are not read.
TEST(CriticalPointWindowTest, PureFluidShowsItsPseudoCriticalPoint) {
  CriticalPointWindow& window = Open(Pure(CO2));
  Guess(window, "", "");
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "ResultV"), Text(window, "ResultPseudoV"));
  EXPECT_EQ(Text(window, "ResultT"), Text(window, "ResultPseudoT"));
  EXPECT_EQ(Text(window, "ResultP"), Text(window, "ResultPseudoP"));

  Globals.fraction = Composition{};
  Click(window, "calculate");
  EXPECT_EQ(Text(window, "ResultV"), "no solution");
}

// The CO2–CH4 point does not stay beside the pseudo-critical values of another
// composition, nor after the fluid window's clear; it stays while the
// composition does.
TEST(CriticalPointWindowTest, NewCompositionTakesAwayTheOldCriticalPoint) {
  for (const Composition& next : {Pure(N2), Composition{}}) {
    CriticalPointWindow& window = Open(CarbonDioxideMethane());
    Click(window, "calculate");
    Activate(window);  // back from another window, the same composition
    EXPECT_EQ(Text(window, "ResultT"), Str(250.831275511));
    Globals.fraction = next;
    Activate(window);
    for (const char* field : {"ResultV", "ResultT", "ResultP"})
      EXPECT_EQ(Text(window, field), "") << field;
    Click(window, "Celsius");
    EXPECT_EQ(Text(window, "ResultT"), "");
  }
}
