#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "emulator/emulator_test_support.h"
#include "emulator/receiver.h"
#include "radio/radio_model.h"
#include "radio/radio_state.h"
#include "radio/status_line.h"

namespace r8::emulator {
namespace {

using testing::Talk;

// Splits what arrived into status lines of the model's length.
std::vector<std::string> Lines(const std::string& bytes, int model) {
  const std::size_t n = model == kModelR8 ? 25 : 37;
  std::vector<std::string> out;
  for (std::size_t i = 0; i + n <= bytes.size(); i += n) out.push_back(bytes.substr(i, n));
  EXPECT_EQ(bytes.size() % n, 0u) << "only whole status lines are sent";
  return out;
}

// Channels 1 and 2 between stations, channel 3 on a strong one; the scan starts from channel 0.
Talk MemoryScanSetUp(int model) {
  Talk t(model);
  if (model == kModelR8) {
    t.Send("F0960000PR\r01F1200000PR\r02F0958000PR\r03C00");
  } else {
    t.Send("F0960000\rPR\r001\rF1200000\rPR\r002\rF0958000\rPR\r003\rC000\r");
  }
  return t;
}

TEST(ReceiverScan, MemoryScanSendsLinesUntilItStopsOnASignal) {
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    Talk t = MemoryScanSetUp(model);
    t.rx().StartScan(ScanKind::kMemory, t.now());
    RadioState radio;
    const std::vector<std::string> first = Lines(t.Take(), model);
    ASSERT_EQ(first.size(), 1u) << "a line as the scan starts";
    DecodeStatusLine(first[0], model, radio);
    EXPECT_EQ(radio.ScanState, 2);

    std::vector<int> channels;
    std::vector<int> scan_states;
    std::vector<char> squelch;
    for (int step = 0; step < 10; ++step) {
      for (const std::string& line : Lines(t.Wait(Receiver::kScanStepMs), model)) {
        DecodeStatusLine(line, model, radio);
        channels.push_back(radio.MemChannel);
        scan_states.push_back(radio.ScanState);
        squelch.push_back(line[model == kModelR8 ? 19 : 20]);
      }
    }
    // Only stored channels are visited; the strong one ends the scan with '*' and the bit clear.
    EXPECT_EQ(channels, (std::vector<int>{1, 2, 3})) << model;
    EXPECT_EQ(scan_states, (std::vector<int>{2, 2, 1})) << model;
    EXPECT_EQ(squelch, (std::vector<char>{' ', ' ', '*'})) << model;
    EXPECT_DOUBLE_EQ(radio.RadioFreq, 9580.0);
    EXPECT_FALSE(t.state().scanning);
    EXPECT_EQ(t.rx().NextEventMs(), Receiver::kNever);
  }
}

TEST(ReceiverScan, FrequencyScanStepsBetweenTheVfosAndStopsOnACarrier) {
  Talk t(kModelR8A);
  t.Send("VB\rF0959500\rVA\rF0956000\r");  // A 9560, B 9595, step 5 kHz
  t.rx().StartScan(ScanKind::kFrequency, t.now());
  t.Take();
  std::vector<std::int32_t> freqs;
  for (int step = 0; step < 10 && t.state().scanning; ++step) {
    t.Wait(Receiver::kScanStepMs);
    freqs.push_back(t.shown().freq_10hz);
  }
  EXPECT_EQ(freqs, (std::vector<std::int32_t>{956500, 957000, 957500, 958000}));
  EXPECT_TRUE(t.rx().SquelchOpen());
}

TEST(ReceiverScan, FrequencyScanWrapsAtItsLimitsAndFollowsUpDown) {
  Talk t(kModelR8A);
  t.Send("VB\rF1201000\rVA\rF1199000\rST\rST\r");  // 11990..12010, step 10 kHz, no carrier
  t.rx().StartScan(ScanKind::kFrequency, t.now());
  std::vector<std::int32_t> freqs;
  for (int step = 0; step < 4; ++step) {
    t.Wait(Receiver::kScanStepMs);
    freqs.push_back(t.shown().freq_10hz);
  }
  EXPECT_EQ(freqs, (std::vector<std::int32_t>{1200000, 1201000, 1199000, 1200000}));
  EXPECT_EQ(t.Send("D"), "");
  EXPECT_TRUE(t.state().scanning) << "up/down only turn the scan round";
  t.Wait(Receiver::kScanStepMs);
  EXPECT_EQ(t.shown().freq_10hz, 1199000);
}

TEST(ReceiverScan, WhatStopsTheScan) {
  struct Case {
    const char* command;
    bool stops;
  };
  const std::vector<Case> cases = {
      {"RA\r", false},  {"RF\r", false}, {"RSS\r", false}, {"ID\r", false},  {"U", false},
      {"XYZ\r", false}, {"RS\r", true},  {"M4\r", true},   {"C001\r", true}, {"PF\r", true},
  };
  for (const Case& c : cases) {
    Talk t(kModelR8A);
    t.rx().StartScan(ScanKind::kMemory, t.now());
    t.Take();
    const std::string reply = t.Send(c.command);
    if (std::string(c.command) == "RA\r") {
      EXPECT_EQ((reply.at(9) - '0') & 0x02, 0x02) << "a poll during the scan shows its bit";
    }
    EXPECT_EQ(t.state().scanning, !c.stops) << c.command;
    // A stopped scan sends nothing more by itself.
    if (c.stops) {
      EXPECT_EQ(t.Wait(10 * Receiver::kScanStepMs), "") << c.command;
    }
  }
}

TEST(ReceiverScan, PanelStopEndsWithALineTheProgramTakes) {
  Talk t(kModelR8A);
  t.Send("VB\rF0960000\rVA\rF0960000\r");  // equal limits: the whole HF segment
  t.rx().StartScan(ScanKind::kFrequency, t.now());
  t.Wait(3 * Receiver::kScanStepMs);
  t.rx().StopScan(t.now());
  const std::vector<std::string> lines = Lines(t.Take(), kModelR8A);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0][20], '*') << "the R8A program ignores scan lines without it";
  RadioState radio;
  radio.ScanState = 2;
  DecodeStatusLine(lines[0], kModelR8A, radio);
  EXPECT_EQ(radio.ScanState, 1);
}

TEST(ReceiverScan, ScanLinesAreMarkedUnaskedAndTimedAtTheirStep) {
  Talk t(kModelR8A);
  t.Wait(1000);
  t.rx().StartScan(ScanKind::kMemory, t.now());
  t.rx().AdvanceTo(t.now() + 350);
  const std::vector<Reply> replies = t.rx().TakeReplies();
  ASSERT_EQ(replies.size(), 4u);
  for (std::size_t i = 0; i < replies.size(); ++i) {
    EXPECT_TRUE(replies[i].unasked);
    EXPECT_EQ(replies[i].at_ms, 1000 + i * Receiver::kScanStepMs);
  }
}

TEST(ReceiverScan, ALongUnattendedScanStaysBounded) {
  Talk t(kModelR8B);
  t.rx().StartScan(ScanKind::kMemory, t.now());
  t.rx().AdvanceTo(t.now() + 24ull * 3600 * 1000);  // a day with nobody reading
  EXPECT_LE(t.rx().TakeReplies().size(), Receiver::kMaxQueuedReplies);
  EXPECT_TRUE(t.state().scanning);
  EXPECT_GT(t.rx().NextEventMs(), t.now() + 24ull * 3600 * 1000 - 1);
}

TEST(ReceiverScan, NoScanWhileSwitchedOff) {
  Talk t(kModelR8A);
  t.Send("PF\r");
  t.rx().StartScan(ScanKind::kMemory, t.now());
  EXPECT_FALSE(t.state().scanning);
  EXPECT_EQ(t.Wait(1000), "");
}

}  // namespace
}  // namespace r8::emulator
