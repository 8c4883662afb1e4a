#include "faceplate/tuning.h"

#include <gtest/gtest.h>

namespace r8 {
namespace {

TEST(StepFrequency, CrossesTheGapsAndWraps) {
  struct Case {
    double from, step;
    bool up;
    double to;
  };
  const Case cases[] = {
      {29999.99, 0.10, true, 35000},    {29999.99, 0.01, true, 30000},
      {35000, 5, false, 30000},         {174000, 0.1, true, 100},
      {100, 0.1, false, 174000},        {55000, 0.1, true, 108000},
      {108000, 0.1, false, 55000},      {9580, 5, true, 9585},
      {9580, 5, false, 9575},           {54999, 1000, true, 108000},
      {35001, 5, false, 30000},         {100.5, 1, false, 174000},
      {30000, 0.01, true, 35000},       {173999.95, 0.05, true, 174000},
      {108000.05, 0.05, false, 108000},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(StepFrequency(c.from, c.step, c.up), c.to, 1e-6)
        << c.from << (c.up ? " up " : " down ") << c.step;
  }
  for (const double edge : {kHfLow, kHfHigh, kVhf1Low, kVhf1High, kVhf2Low, kVhf2High})
    EXPECT_TRUE(InCoverage(edge)) << edge;
  EXPECT_FALSE(InCoverage(kVhf2Low - 0.01) || InCoverage(kHfHigh + 0.01));
}

struct Typed {
  std::string keys;
  int band_units;
  std::optional<double> tuned;  // nullopt: refused, the old frequency is tuned again
};

std::optional<double> Type(const std::string& keys, int band_units, KeypadEntry& e) {
  std::optional<double> result;
  for (char c : keys) {
    KeypadOutcome o = SetTunerChar(e, c, band_units);
    if (o.tune) result = o.new_freq;
  }
  return result;
}

TEST(Keypad, EntriesAreReadAsMegahertzOrKilohertz) {
  const Typed cases[] = {
      {"9.58\r", 1, 9580.0},     {"9580\r", 1, 9580.0},     {"0.5\r", 1, 500.0},
      {".5\r", 1, 500.0},        {"150\r", 1, 150.0},       {"150\r", 2, 150000.0},
      {"105\r", 1, 105.0},       {"105\r", 2, 105.0},       {"45\r", 1, 45000.0},
      {"70\r", 1, std::nullopt}, {"30000\r", 1, 30000.0},   {"30001\r", 1, std::nullopt},
      {"174\r", 2, 174000.0},    {"99\r", 1, std::nullopt}, {"0.09\r", 1, std::nullopt},
      {"118000\r", 1, 118000.0}, {"55000\r", 1, 55000.0},   {"1180000\r", 1, 118000.0},
  };
  for (const Typed& c : cases) {
    KeypadEntry e;
    EXPECT_EQ(Type(c.keys, c.band_units, e), c.tuned) << c.keys << " units " << c.band_units;
    EXPECT_TRUE(e.EntryIdle);
  }
}

TEST(Keypad, DigitAndPointLimits) {
  KeypadEntry e;
  Type("1234567", 1, e);
  EXPECT_EQ(e.EntryText, "123456");  // a seventh digit before the point is refused
  Type(".67899", 1, e);
  EXPECT_EQ(e.EntryText, "123456.6");  // eight characters with a point
  KeypadEntry f;
  Type("1..2.3", 1, f);
  EXPECT_EQ(f.EntryText, "1.23");
  KeypadEntry g;
  Type("1234567", 1, g);
  Type(".", 1, g);
  EXPECT_EQ(g.EntryText, "123456.");
  KeypadEntry h;
  Type("x\r\b", 1, h);  // nothing starts an entry but a digit or a point
  EXPECT_TRUE(h.EntryIdle);
}

TEST(Keypad, BackspaceToEmptyEndsTheEntry) {
  KeypadEntry e;
  Type("95", 1, e);
  EXPECT_FALSE(e.EntryIdle);
  KeypadOutcome o = SetTunerChar(e, '\b', 1);
  EXPECT_EQ(e.EntryText, "9");
  EXPECT_FALSE(o.entry_ended);
  o = SetTunerChar(e, '\b', 1);
  EXPECT_TRUE(o.entry_ended);
  EXPECT_TRUE(e.EntryIdle);
  EXPECT_FALSE(o.tune);
}

}  // namespace
}  // namespace r8
