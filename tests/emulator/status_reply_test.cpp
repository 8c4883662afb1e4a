#include "emulator/status_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "radio/radio_model.h"
#include "radio/radio_state.h"
#include "radio/status_line.h"

namespace r8::emulator {
namespace {

PanelView View(std::int32_t freq_10hz) {
  PanelView v;
  v.tuning.freq_10hz = freq_10hz;
  v.name = "       ";
  return v;
}

// Positions below are 1-based, as the program's decoding names them.
char At(const std::string& line, int position) {
  return line.at(static_cast<std::size_t>(position - 1));
}
std::string Field(const std::string& line, int position, int length) {
  return line.substr(static_cast<std::size_t>(position - 1), static_cast<std::size_t>(length));
}

TEST(EmulatorStatusLine, FieldPositionsPerModel) {
  struct Case {
    int model;
    std::size_t length;
    int k;  // the R8A/R8B's third channel digit shifts everything after it by one
    const char* channel;
    const char* frequency;
  };
  const std::vector<Case> cases = {
      {kModelR8, 25, 0, "07", "  9.58000"},
      {kModelR8A, 37, 1, "007", "  9580.00"},
      {kModelR8B, 37, 1, "007", "  9580.00"},
  };
  for (const Case& c : cases) {
    PanelView v = View(958000);
    v.memory_mode = true;
    v.channel = 7;
    v.squelch_open = true;
    v.name = "BBC WS ";
    v.level = 0xA7;
    const std::string line = StatusLine(c.model, v);
    ASSERT_EQ(line.size(), c.length) << c.model;
    EXPECT_EQ(At(line, 1), '*');
    EXPECT_EQ(Field(line, 2, 2 + c.k), c.channel);
    EXPECT_EQ(At(line, 4 + c.k), ' ');
    EXPECT_EQ(At(line, 10 + c.k), ' ');
    EXPECT_EQ(Field(line, 11 + c.k, 9), c.frequency);
    EXPECT_EQ(At(line, 20 + c.k), '*');
    EXPECT_EQ(line.substr(c.length - 2), "\r\n");
    if (c.k == 1) {
      EXPECT_EQ(Field(line, 25, 9), " BBC WS  ");
      EXPECT_EQ(Field(line, 34, 2), "A7");
    }
  }
}

TEST(EmulatorStatusLine, FrequencyFieldByModelAndBandDisplay) {
  struct Case {
    int model;
    std::int32_t freq_10hz;
    bool mhz;
    const char* field;
    const char* unit;
  };
  const std::vector<Case> cases = {
      {kModelR8, 958000, false, "  9.58000", "MHz"},
      {kModelR8, 10000, false, "  0.10000", "MHz"},
      {kModelR8, 17400000, false, "174.00000", "MHz"},
      {kModelR8A, 958000, false, "  9580.00", "KHz"},
      {kModelR8A, 958001, false, "  9580.01", "KHz"},
      {kModelR8A, 958000, true, "  9.58000", "MHz"},
      {kModelR8B, 3000000, false, " 30000.00", "KHz"},
      {kModelR8B, 14550000, true, "145.50000", "MHz"},
  };
  for (const Case& c : cases) {
    PanelView v = View(c.freq_10hz);
    v.mhz = c.mhz;
    const std::string line = StatusLine(c.model, v);
    const int k = c.model == kModelR8 ? 0 : 1;
    EXPECT_EQ(Field(line, 11 + k, 9), c.field) << c.model << " " << c.freq_10hz;
    EXPECT_EQ(Field(line, 21 + k, 3), c.unit) << c.model << " " << c.freq_10hz;
    // F5 bit 0 says MHz on the R8A/R8B only.
    const int f5 = At(line, 9 + k) - '0';
    EXPECT_EQ((f5 & 0x01) != 0, c.mhz && k == 1) << c.model;
  }
}

TEST(EmulatorStatusLine, EverySettingSurvivesTheProgramsDecoding) {
  struct Case {
    Tuning t;
    Vfo vfo;
    bool scanning;
  };
  std::vector<Case> cases;
  for (int m = 0; m <= 5; ++m) {
    Tuning t;
    t.mode = static_cast<Mode>(m);
    t.bandwidth = static_cast<Bandwidth>(1 + m % 5);
    t.agc = static_cast<Agc>(m % 3);
    t.antenna = static_cast<Antenna>((m + 1) % 3);
    t.rf = static_cast<RfGain>((m + 2) % 3);
    t.noise_blanker = static_cast<NoiseBlanker>(m % 3);
    t.notch = m % 2 == 0;
    t.sync = m % 2 == 1;
    cases.push_back({t, m % 2 == 0 ? Vfo::kA : Vfo::kB, m == 3});
  }
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    for (const Case& c : cases) {
      PanelView v = View(958000);
      v.tuning = c.t;
      v.tuning.freq_10hz = 958000;
      v.vfo = c.vfo;
      v.scanning = c.scanning;
      v.channel = 42;
      v.level = 99;
      RadioState radio;
      const StatusDecode d = DecodeStatusLine(StatusLine(model, v), model, radio);
      const std::string what =
          std::to_string(model) + " mode " + std::to_string(static_cast<int>(c.t.mode));
      EXPECT_TRUE(d.frequency_valid) << what;
      EXPECT_DOUBLE_EQ(radio.RadioFreq, 9580.0) << what;
      EXPECT_EQ(radio.Mode, static_cast<int>(c.t.mode)) << what;
      EXPECT_EQ(radio.Antenna, static_cast<int>(c.t.antenna)) << what;
      EXPECT_EQ(radio.RF, static_cast<int>(c.t.rf)) << what;
      EXPECT_EQ(radio.NoiseBlanker, static_cast<int>(c.t.noise_blanker)) << what;
      EXPECT_EQ(radio.Notch, c.t.notch ? 2 : 1) << what;
      EXPECT_EQ(radio.Sync, c.t.sync) << what;
      EXPECT_EQ(radio.VFO, c.vfo == Vfo::kA ? 1 : 2) << what;
      EXPECT_EQ(radio.ScanState, c.scanning ? 2 : 1) << what;
      EXPECT_EQ(radio.MemChannel, 42) << what;
      if (c.t.mode != Mode::kFm) {
        EXPECT_EQ(radio.AGC, static_cast<int>(c.t.agc)) << what;
        EXPECT_EQ(radio.Bandwidth, static_cast<int>(c.t.bandwidth)) << what;
      }
      if (model != kModelR8) {
        EXPECT_EQ(radio.MeterLevel, 99) << what;
      }
    }
  }
}

}  // namespace
}  // namespace r8::emulator
