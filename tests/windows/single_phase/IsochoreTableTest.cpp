// The isochore's temperature steps, its bounds and the Windows-1252 encoding.
#include <gtest/gtest.h>

#include "windows/single_phase/IsochoreTable.h"
#include "windows/single_phase/Windows1252.h"

using namespace single_phase;

TEST(IsochorePlanTest, StepsByRepeatedAddition) {
  const IsochorePlan plan = PlanIsochore(0.0, 1.0, 0.1);
  ASSERT_TRUE(plan.Ok());
  ASSERT_EQ(plan.kelvins.size(), 10u);
  EXPECT_EQ(plan.kelvins.front(), 273.15 - 0.1 + 0.1);
  EXPECT_EQ(PlanIsochore(0.0, 100.0, 10.0).kelvins.size(), 11u);
  EXPECT_EQ(PlanIsochore(0.0, 5.0, 50.0).kelvins.size(), 1u);  // a step beyond the range
  EXPECT_TRUE(PlanIsochore(-273.15, 0.0, 100.0).Ok());         // 0 K itself is allowed
}

TEST(IsochorePlanTest, ExportTakesTheStepFromTheMinimumInCelsius) {
  // The table starts at (min + 273.15) - step, the export at (min - step) + 273.15.
  const IsochorePlan table = PlanIsochore(-9.6, 0.0, 4.8);
  const IsochorePlan file = PlanIsochore(-9.6, 0.0, 4.8, IsochoreStart::Export);
  ASSERT_EQ(table.kelvins.size(), 3u);
  ASSERT_EQ(file.kelvins.size(), 2u);  // the export's third step passes 0 °C by rounding
  EXPECT_EQ(table.kelvins[0], (-9.6 + 273.15) - 4.8 + 4.8);
  EXPECT_EQ(file.kelvins[0], (-9.6 - 4.8) + 273.15 + 4.8);
  EXPECT_EQ(file.kelvins[1], file.kelvins[0] + 4.8);
}

TEST(IsochorePlanTest, AStepThatSwampsTheMinimumStartsAtTheMinimum) {
  for (const IsochoreStart start : {IsochoreStart::Table, IsochoreStart::Export}) {
    const IsochorePlan one = PlanIsochore(0.0, 100.0, 1e300, start);
    ASSERT_EQ(one.kelvins.size(), 1u);
    EXPECT_EQ(one.kelvins[0], 273.15);  // not 0 K, which 273.15 - 1e300 + 1e300 gives
    const IsochorePlan wide = PlanIsochore(25.0, 1e300, 1e299, start);
    ASSERT_GE(wide.kelvins.size(), 2u);
    EXPECT_EQ(wide.kelvins[0], 298.15);
    EXPECT_EQ(wide.kelvins[1], 298.15 + 1e299);
  }
}

TEST(IsochorePlanTest, ChecksEachEntryOnItsOwn) {
  const IsochorePlan none = PlanIsochore(std::nullopt, std::nullopt, std::nullopt);
  EXPECT_TRUE(none.minimumBad && none.maximumBad && none.intervalBad);
  const IsochorePlan cold = PlanIsochore(-273.16, 0.0, 1.0);
  EXPECT_TRUE(cold.minimumBad);
  EXPECT_FALSE(cold.maximumBad || cold.intervalBad);
  EXPECT_TRUE(PlanIsochore(10.0, 10.0, 1.0).maximumBad);
  EXPECT_TRUE(PlanIsochore(0.0, 10.0, -1.0).intervalBad);
}

TEST(IsochorePlanTest, BoundsTheNumberOfRows) {
  EXPECT_EQ(PlanIsochore(0.0, kMaxIsochoreRows - 1.0, 1.0).kelvins.size(),
            static_cast<std::size_t>(kMaxIsochoreRows));
  EXPECT_TRUE(PlanIsochore(0.0, kMaxIsochoreRows, 1.0).intervalBad);
  EXPECT_TRUE(PlanIsochore(0.0, 1e300, 1e-300).intervalBad);
  EXPECT_TRUE(PlanIsochore(1e6, 2e6, 1e-12).intervalBad);  // adds nothing to 1e6 K
}

TEST(IsochoreFileTest, NameAndLines) {
  EXPECT_EQ(IsochoreFileName(100.0), "100.txt");
  EXPECT_EQ(IsochoreFileName(24.465123), "24.46512.txt");
  const QStringList lines = IsochoreFileLines({{"0", "1.5"}, {"10", "no solution"}});
  ASSERT_EQ(lines.size(), 6);
  EXPECT_EQ(lines[3], "(Celsius), (MPa)");
  EXPECT_EQ(lines[4], "0, 1.5");
  EXPECT_EQ(lines[5], "10, no solution");
}

TEST(Windows1252Test, EncodesItsCharactersAndRefusesOthers) {
  EXPECT_EQ(ToWindows1252("Pressure, 1.5"), QByteArray("Pressure, 1.5"));
  EXPECT_EQ(ToWindows1252(QString::fromUtf8("€ é ÿ ‰ Ÿ")), QByteArray("\x80 \xE9 \xFF \x89 \x9F"));
  EXPECT_EQ(ToWindows1252(QString::fromUtf8("°")), QByteArray("\xB0"));
  EXPECT_FALSE(ToWindows1252(QString::fromUtf8("˚C")));  // ring above: no byte
  EXPECT_FALSE(ToWindows1252(QString(QChar(0x81))));     // a C1 control
  EXPECT_FALSE(ToWindows1252(QString::fromUtf8("𝑇")));   // beyond the BMP
}

TEST(IsochoreFileTest, WritesNothingUnderANameWithAFolder) {
  EXPECT_FALSE(WriteIsochoreFile("../x.txt", {"a"}));
  EXPECT_FALSE(WriteIsochoreFile(QString::fromUtf8("˚.txt"), {QString::fromUtf8("˚")}));
}
