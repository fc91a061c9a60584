// The fluid window: the running sum at fixed point, and acceptance of a
// composition only when every field holds a fraction from 0 to 1 and the
// fractions sum to exactly one.
#include "framework/Inspection.h"
#include "tests/app/AppFixture.h"

namespace {

constexpr int kH2O = 0, kCO2 = 1, kN2 = 2, kCH4 = 11, kC2H6 = 12;

bool Accepted() { return fw::OpenWindow("Start3Window") != nullptr; }

// Presses "continue" on a composition that must be refused.
void ExpectRefused(Start2Window& fluid, const QString& context = {}) {
  fluid.ButtonOf("continue2").Press();
  EXPECT_EQ(fluid.Label("Sum").Text(), "adjust fractions!") << context.toStdString();
  EXPECT_FALSE(Accepted()) << context.toStdString();
}

TEST_F(AppTest, AcceptsFractionsThatSumToOneAndStoresThem) {
  Start2Window& fluid = FluidWindow();
  Type(fluid, kH2O, "0.7");
  Type(fluid, kCO2, "0.2");
  EXPECT_EQ(SumText(fluid), "0.9");
  Type(fluid, kN2, "0.1");
  EXPECT_EQ(SumText(fluid), "1");
  Continue(fluid);
  ASSERT_TRUE(Accepted());
  EXPECT_EQ(Globals.fraction[kH2O], 0.7);
  EXPECT_EQ(Globals.fraction[kCO2], 0.2);
  EXPECT_EQ(Globals.fraction[kN2], 0.1);
  EXPECT_EQ(Globals.fraction[kCH4], 0.0);
  EXPECT_EQ(fw::OpenWindow("Start2Window"), &fluid) << "the fluid window stays open behind";
}

TEST_F(AppTest, AcceptsEntriesOfFourDecimalsThatSumToOne) {
  Start2Window& fluid = FluidWindow();
  Type(fluid, kCH4, "0.0021");
  Type(fluid, kC2H6, "0.9979");
  // Return in the field just typed into presses "continue", the default button.
  QTest::keyClick(&fluid.Field(Start2Window::FieldName(kC2H6)), Qt::Key_Return);
  EXPECT_TRUE(Accepted());
  EXPECT_EQ(Globals.fraction[kCH4], 0.0021);
}

TEST_F(AppTest, AcceptsTenTenths) {
  Start2Window& fluid = FluidWindow();
  for (int k = 0; k < 10; ++k) Type(fluid, k, "0.1");
  Continue(fluid);
  EXPECT_TRUE(Accepted());
}

TEST_F(AppTest, RefusesThirdsOfThirteenDecimals) {
  Start2Window& fluid = FluidWindow();
  for (int k : {kH2O, kCO2, kN2}) Type(fluid, k, "0.3333333333333");
  Continue(fluid);
  EXPECT_EQ(SumText(fluid), "adjust fractions!");
  EXPECT_EQ(fw::ClippedControls(fluid), std::vector<std::string>{}) << "the message fits its box";
  EXPECT_FALSE(Accepted());
  EXPECT_EQ(Globals.fraction[kH2O], 0.0);
}

TEST_F(AppTest, RefusesAFieldThatHoldsNoNumber) {
  for (const char* text : {"abc", "1,5", "0.5x"}) {
    Start2Window& fluid = FluidWindow();
    Type(fluid, kH2O, "0.5");
    Type(fluid, kCO2, "0.5");
    Type(fluid, kN2, text);
    ExpectRefused(fluid, text);
    fluid.close();
  }
}

TEST_F(AppTest, RefusesFractionsOutsideZeroToOneEvenWhenTheySumToOne) {
  Start2Window& fluid = FluidWindow();
  Type(fluid, kH2O, "0.6");
  Type(fluid, kCO2, "0.6");
  Type(fluid, kN2, "-0.2");  // the one entry outside
  EXPECT_EQ(SumText(fluid), "1");
  ExpectRefused(fluid);
  Type(fluid, kN2, "");

  Type(fluid, kH2O, "1.5");
  Type(fluid, kCO2, "-0.5");
  EXPECT_EQ(SumText(fluid), "1");
  ExpectRefused(fluid);

  Type(fluid, kH2O, "1e300");  // far beyond any fixed-point range: refused, no overflow
  Continue(fluid);
  EXPECT_FALSE(Accepted());
}

TEST_F(AppTest, TheSumShowsEntriesBeyondAThousandAndRefusesThem) {
  Start2Window& fluid = FluidWindow();
  Type(fluid, kH2O, "1");
  Type(fluid, kCO2, "-2500");
  EXPECT_EQ(SumText(fluid), "-2499");
  Type(fluid, kN2, "1e300");
  EXPECT_EQ(SumText(fluid), "1e+300");
  Type(fluid, kN2, "2500");  // the sum is 1 again
  EXPECT_EQ(SumText(fluid), "1");
  ExpectRefused(fluid);
}

TEST_F(AppTest, AnEmptiedFieldCountsAsZeroAndAMendedFieldIsAccepted) {
  Start2Window& fluid = FluidWindow();
  Type(fluid, kH2O, "abc");
  Type(fluid, kCO2, "1");
  Type(fluid, kH2O, "");
  EXPECT_EQ(SumText(fluid), "1");
  Continue(fluid);
  EXPECT_TRUE(Accepted());
  EXPECT_EQ(Globals.fraction[kCO2], 1.0);
}

TEST_F(AppTest, ClearEmptiesTheFieldsAndTheCompositionAndShowsZero) {
  Start2Window& fluid = FluidWindow();
  Type(fluid, kH2O, "1");
  Continue(fluid);
  ASSERT_EQ(Globals.fraction[kH2O], 1.0);
  Type(fluid, kCO2, "abc");
  fluid.ButtonOf("Clear").Press();
  EXPECT_EQ(Globals.fraction[kH2O], 0.0);
  EXPECT_EQ(SumText(fluid), "0");
  for (int k = 0; k < ComponentCount; ++k)
    EXPECT_EQ(fluid.Field(Start2Window::FieldName(k)).Text(), "") << k;
  Continue(fluid);
  EXPECT_EQ(SumText(fluid), "adjust fractions!");
  Type(fluid, kN2, "1");
  Continue(fluid);
  EXPECT_EQ(Globals.fraction[kN2], 1.0);
}

TEST_F(AppTest, AReopenedFluidWindowStartsFromZero) {
  Start2Window& fluid = FluidWindow();
  Type(fluid, kH2O, "1");
  Continue(fluid);
  fluid.close();
  Start2Window& fresh = FluidWindow();
  EXPECT_NE(&fresh, &fluid);
  EXPECT_EQ(SumText(fresh), "0");
  fw::OpenWindow("Start3Window")->close();
  Continue(fresh);
  EXPECT_EQ(SumText(fresh), "adjust fractions!");
  EXPECT_FALSE(Accepted());
  EXPECT_EQ(Globals.fraction[kH2O], 1.0) << "the accepted composition stays";
}

}  // namespace
