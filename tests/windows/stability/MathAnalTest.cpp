// The mathematical analysis table.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QPointer>
#include <chrono>
#include <thread>

#include "../single_phase/WindowDriver.h"
#include "framework/Numbers.h"
#include "windows/stability/MathAnal.h"

using namespace single_phase_test;

namespace {

Composition CarbonDioxideMethane() { return Mixture({{CO2, 0.5}, {CH4, 0.5}}); }

MathAnal& Open(const Composition& x) {
  Globals.fraction = x;
  MathAnal& window = FreshWindow<MathAnal>();
  Activate(window);
  return window;
}

}  // namespace

TEST(MathAnalTest, TabulatesTwoHundredFiftyVolumesTwoApart) {
  const Composition x = CarbonDioxideMethane();
  MathAnal& window = Open(x);
  Click(window, "calculate");
  const fw::ListBox& list = window.List("ListBox1");
  ASSERT_EQ(list.ListCount(), 250);
  const double b = Engine().bMixture(x);  // 31.4 cm3/mol: the first row is round(b + 4) + 2
  EXPECT_EQ(list.Cell(0, 0), QString::number(std::lround(b + 4) + 2));
  EXPECT_EQ(list.Cell(249, 0).toInt() - list.Cell(0, 0).toInt(), 498);
  // The critical volume, 95.96 cm3/mol, lies between the rows of 95 and 97,
  // where the determinant changes sign.
  const int row = (95 - list.Cell(0, 0).toInt()) / 2;
  ASSERT_EQ(list.Cell(row, 0), "95");
  EXPECT_LT(fw::Val(list.Cell(row, 3)).value() * fw::Val(list.Cell(row + 1, 3)).value(), 0.0);
  const double T = fw::Val(list.Cell(row, 1)).value();
  EXPECT_NEAR(fw::Val(list.Cell(row, 2)).value(), Globals.Pressure(x, T, 95), 1e-5);

  Click(window, "calculate");
  EXPECT_EQ(list.ListCount(), 500);  // appended
  Activate(window);
  EXPECT_EQ(list.ListCount(), 500);  // same composition: the rows stay
  Globals.fraction = Pure(CO2);
  Activate(window);
  EXPECT_EQ(list.ListCount(), 0);
}

TEST(MathAnalTest, NoComponentIsNoSolution) {
  MathAnal& window = Open(Composition{});
  Click(window, "calculate");
  const fw::ListBox& list = window.List("ListBox1");
  ASSERT_EQ(list.ListCount(), 1);
  EXPECT_EQ(list.Cell(0, 0), "no solution");
}

// A close that arrives while the table is computed takes effect after the run.
TEST(MathAnalTest, CloseDuringTheRunIsSafe) {
  MathAnal& window = Open(CarbonDioxideMethane());
  QPointer<MathAnal> alive(&window);
  QCoreApplication::postEvent(&window, new QCloseEvent);
  std::this_thread::sleep_for(std::chrono::milliseconds(60));  // the next yield lets events in
  Click(window, "calculate");
  EXPECT_EQ(fw::OpenWindow("MathAnal"), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}
