#include "emulator/status_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "radio/radio_model.h"

namespace r8::emulator {
namespace {

// That every setting in the line reads back through the program's decoding is proven on every
// model by tests/radio/round_trip_test.cpp.

// Positions below are 1-based, as the program's decoding names them.
std::string Field(const std::string& line, int position, int length = 1) {
  return line.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(length));
}

TEST(EmulatorStatusLine, FieldPositionsAndFrequencyPerModelAndBandDisplay) {
  struct Case {
    int model;
    std::int32_t freq_10hz;
    bool mhz;
    const char* frequency;
    const char* unit;
  };
  const Case cases[] = {
      {kModelR8, 958000, false, "  9.58000", "MHz"},
      {kModelR8, 10000, false, "  0.10000", "MHz"},
      {kModelR8, 17400000, false, "174.00000", "MHz"},
      {kModelR8A, 958000, false, "  9580.00", "KHz"},
      {kModelR8A, 958001, false, "  9580.01", "KHz"},
      {kModelR8A, 958000, true, "  9.58000", "MHz"},
      {kModelR8B, 958000, false, "  9580.00", "KHz"},
      {kModelR8B, 3000000, false, " 30000.00", "KHz"},
      {kModelR8B, 14550000, true, "145.50000", "MHz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.model) + " " + std::to_string(c.freq_10hz));
    PanelView v;
    v.tuning.freq_10hz = c.freq_10hz;
    v.mhz = c.mhz;
    v.memory_mode = true;
    v.channel = 7;
    v.squelch_open = true;
    v.name = "BBC WS ";
    v.level = 0xA7;
    const std::string line = StatusLine(c.model, v);
    const int k = c.model == kModelR8 ? 0 : 1;  // the third channel digit shifts what follows
    ASSERT_EQ(line.size(), k ? 37u : 25u);
    EXPECT_EQ(Field(line, 1), "*");
    EXPECT_EQ(Field(line, 2, 2 + k), k ? "007" : "07");
    EXPECT_EQ(Field(line, 4 + k), " ");
    EXPECT_EQ(Field(line, 10 + k), " ");
    EXPECT_EQ(Field(line, 11 + k, 9), c.frequency);
    EXPECT_EQ(Field(line, 20 + k), "*");
    EXPECT_EQ(Field(line, 21 + k, 3), c.unit);
    EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
    // F5 bit 0 says MHz on the R8A/R8B only.
    EXPECT_EQ(((Field(line, 9 + k)[0] - '0') & 0x01) != 0, c.mhz && k == 1);
    if (k == 1) {
      EXPECT_EQ(Field(line, 25, 9), " BBC WS  ");
      EXPECT_EQ(Field(line, 34, 2), "A7");
    }
  }
}

}  // namespace
}  // namespace r8::emulator
