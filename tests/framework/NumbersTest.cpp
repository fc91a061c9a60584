// Numbers as text: the one conversion every window uses, whatever the locale.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/Numbers.h"

namespace {

TEST(Str, ShowsAtMostSevenSignificantDigitsInGeneralForm) {
  EXPECT_EQ(fw::Str(298.15), "298.15");
  EXPECT_EQ(fw::Str(24.465123456), "24.46512");
  EXPECT_EQ(fw::Str(2.842170943040401e-14), "2.842171e-14");
  EXPECT_EQ(fw::Str(1234567.8), "1234568");
  EXPECT_EQ(fw::Str(12345678.0), "1.234568e+07");
  EXPECT_EQ(fw::Str(0.0001), "0.0001");
  EXPECT_EQ(fw::Str(0.00001), "1e-05");
  EXPECT_EQ(fw::Str(-273.15), "-273.15");
  EXPECT_EQ(fw::Str(1.0), "1");
  EXPECT_EQ(fw::Str(0.1 + 0.2), "0.3");
}

TEST(Str, ShowsNegativeZeroAsZero) {
  EXPECT_EQ(fw::Str(-0.0), "0");
  EXPECT_EQ(fw::Str(0.0), "0");
}

TEST(Str, NeverShowsANonFiniteNumber) {
  EXPECT_EQ(fw::Str(std::numeric_limits<double>::quiet_NaN()), "no solution");
  EXPECT_EQ(fw::Str(std::numeric_limits<double>::infinity()), "no solution");
  EXPECT_EQ(fw::ResultText(-std::numeric_limits<double>::infinity()), "no solution");
  EXPECT_EQ(fw::ResultText(8.314472), "8.314472");
}

TEST(Val, ReadsOneDecimalNumberWithBlanksAround) {
  EXPECT_EQ(fw::Val("0.7"), 0.7);
  EXPECT_EQ(fw::Val("  1.5\t"), 1.5);
  EXPECT_EQ(fw::Val("+2"), 2.0);
  EXPECT_EQ(fw::Val("-0.5e-3"), -0.0005);
  EXPECT_EQ(fw::Val(".5"), 0.5);
  EXPECT_EQ(fw::Val("5."), 5.0);
  EXPECT_EQ(fw::Val("1E3"), 1000.0);
  EXPECT_EQ(fw::Val("0.0021"), 0.0021);
  EXPECT_EQ(fw::Val("1e308"), 1e308);
}

TEST(Val, RefusesEverythingElseAsNoNumber) {
  for (const char* text : {"", "   ", "abc", "1,5", "12abc", "nan", "NaN", "inf", "-inf",
                           "infinity", "1e", "1e+", "--1", "+-1", ".", "-", "0x10", "1 2",
                           "1e400", "-1e400", "1.5.2", "e5"}) {
    EXPECT_FALSE(fw::Val(text).has_value()) << '"' << text << '"';
  }
}

TEST(Val, RefusesDigitsOfOtherScripts) {
  EXPECT_FALSE(fw::Val(QString::fromUtf8("\u0661")).has_value());  // Arabic-Indic one
  EXPECT_FALSE(fw::Val(QString::fromUtf8("\uFF11")).has_value());  // full-width one
}

TEST(StrAndVal, RoundTripWhatStrShows) {
  for (double x : {298.15, -1.25e-7, 6.02214e23, 0.3333333}) {
    const auto back = fw::Val(fw::Str(x));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(fw::Str(*back), fw::Str(x));
  }
}

}  // namespace
