#include "common/format.h"

#include <gtest/gtest.h>

namespace r8 {
namespace {

TEST(Strings, TrimmingAndCase) {
  std::string s = "  a b  ";
  TrimLeftStr(s);
  EXPECT_EQ(s, "a b  ");
  TrimRightStr(s);
  EXPECT_EQ(s, "a b");
  EXPECT_EQ(TrimStr("     "), "");
  EXPECT_EQ(TrimStr("\tx\t"), "\tx\t");  // spaces only
  EXPECT_EQ(UpperStr("abc xyz 9\xe9"), "ABC XYZ 9\xe9");
}

TEST(Strings, FillersAreBounded) {
  EXPECT_EQ(Spaces(3), "   ");
  EXPECT_EQ(Spaces(200).size(), 89u);
  EXPECT_EQ(Spaces(-1), "");
  EXPECT_EQ(EqualsRun(4), "====");
  EXPECT_EQ(EqualsRun(50), "==========");
}

TEST(Strings, HexDigits) {
  const std::pair<char, int> cases[] = {{'0', 0}, {'9', 9}, {'A', 10}, {'f', 15}, {'c', 12}};
  for (auto [ch, v] : cases) EXPECT_EQ(HexDigitValue(ch), v) << ch;
}

TEST(Times, PackedDigits) {
  EXPECT_EQ(PackedTimeToInt("1430"), 1430);
  EXPECT_EQ(PackedTimeToInt("0007"), 7);
}

TEST(Times, ZeroPaddedNumbers) {
  struct Case {
    std::string got, want;
  };
  const Case cases[] = {
      {IntToTime4(0), "0000"},    {IntToTime4(7), "0007"},   {IntToTime4(1430), "1430"},
      {IntToTime4(2400), "2400"}, {IntToStr2(5), "05"},      {IntToStr2(59), "59"},
      {IntToStr2(123), "12"},     {IntToStr2(-1), "65"},     {IntToStr2Z(7), "07"},
      {IntToStr2Z(42), "42"},     {IntToStr3Z(7), "007"},    {IntToStr3Z(42), "042"},
      {IntToStr3Z(999), "999"},   {IntToStr3Z(1234), "123"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want);
}

TEST(Times, DayLetters) {
  EXPECT_EQ(DaysText(0), "       ");
  EXPECT_EQ(DaysText(0x7F), "smtwhfa");
  EXPECT_EQ(DaysText(0b0101010), " m w f ");
  EXPECT_EQ(DaysText(0x80), "       ");  // bit 7 is not a day
}

TEST(Numbers, FixedPointIsExactAndRoundsHalvesAway) {
  EXPECT_EQ(FormatFixed(9580.0, 2), "9580.00");
  EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
  EXPECT_EQ(FormatFixed(-0.125, 2), "-0.13");
  EXPECT_EQ(FormatFixed(9.995, 2), "9.99");  // the double is just below the half
  EXPECT_EQ(FormatFixed(99.995000001, 2), "100.00");
  EXPECT_EQ(FormatFixed(-0.001, 2), "0.00");
  EXPECT_EQ(FormatFixed(5, 0), "5");
  EXPECT_EQ(FormatFixedWidth(-5.5, 6, 2), " -5.50");
  EXPECT_EQ(FormatIntWidth(8388608, 12), "     8388608");
}

TEST(Numbers, ParseDecimalTakesOnlyWholeNumbers) {
  EXPECT_EQ(ParseDecimal("9580"), 9580.0);
  EXPECT_EQ(ParseDecimal("-5.75"), -5.75);
  EXPECT_EQ(ParseDecimal("+.5"), 0.5);
  EXPECT_EQ(ParseDecimal("7."), 7.0);
  EXPECT_EQ(ParseDecimal("1e3"), 1000.0);
  for (const char* bad :
       {"", ".", "-", "abc", "1.2.3", "12a", "0x10", "nan", "inf", "1e", " 1", "1e999"}) {
    EXPECT_FALSE(ParseDecimal(bad).has_value()) << bad;
  }
}

TEST(Frequencies, DisplayTexts) {
  struct Case {
    FreqText got;
    std::string text;
    int unit;
  };
  const Case cases[] = {
      {FreqToDisplay(9580), " 9580.00", kUnitKHz},
      {FreqToDisplay(29999.99), "29999.99", kUnitKHz},
      {FreqToDisplay(30000), " 30.0000", kUnitMHz},
      {FreqToDisplay(174000), "174.0000", kUnitMHz},
      {FreqToDisplay(100), "  100.00", kUnitKHz},
      {FreqToDisplay(1e12), "10000000", kUnitMHz},  // never wider than eight
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.got.text, c.text);
    EXPECT_EQ(c.got.unit, c.unit) << c.text;
  }
  EXPECT_EQ(FreqToText(9580, kUnitKHz), " 9580.00");
  EXPECT_EQ(FreqToText(9580, kUnitMHz), " 9.58000");
  EXPECT_EQ(FreqToText(50000, kUnitMHz), " 50.0000");
}

}  // namespace
}  // namespace r8
