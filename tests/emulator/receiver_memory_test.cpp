#include <gtest/gtest.h>

#include <cstdio>
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

struct ModelCase {
  int model;
  const char* store_number;  // what follows "PR" + CR
  const char* recall;
  int channel;
};

const std::vector<ModelCase>& StoreCases() {
  static const std::vector<ModelCase> cases = {
      {kModelR8, "12", "C12", 12},
      {kModelR8A, "012\r", "C012\r", 12},
      {kModelR8B, "987\r", "C987\r", 987},
      {kModelR8A, "C012\r", "C012", 12},  // the number may come as for a recall, "C" first
  };
  return cases;
}

TEST(ReceiverMemory, StoreThenRecallGivesBackEverySetting) {
  for (const ModelCase& c : StoreCases()) {
    Talk t(c.model);
    const bool r8 = c.model == kModelR8;
    t.Send(r8 ? "F0958000" : "F0958000\r");
    t.Send("M4\rW1\rAF\rA2\rG+\rBN\rNO\r");
    const Tuning wanted = t.shown();
    EXPECT_EQ(t.Send("PR\r"), "") << "a store gets no reply until its channel number";
    EXPECT_EQ(t.Send(c.store_number), "\r\n") << c.store_number;
    EXPECT_TRUE(t.rx().channel(c.channel).stored);
    EXPECT_EQ(t.state().channel, c.channel);
    EXPECT_FALSE(t.state().memory_mode) << "storing does not leave VFO mode";

    t.Send(r8 ? "F0700000M6\rW6\r" : "F0700000\rM6\rW6\r");
    EXPECT_EQ(t.Send(c.recall), "\r\n");
    EXPECT_TRUE(t.state().memory_mode);
    EXPECT_EQ(t.shown(), wanted);

    // The program reads the recalled channel from the status line.
    RadioState radio;
    const std::string line = t.Send("RA\r");
    ASSERT_TRUE(DecodeStatusLine(line, c.model, radio).frequency_valid) << line;
    EXPECT_EQ(radio.MemoryMode, 2);
    EXPECT_EQ(radio.MemChannel, c.channel);
    EXPECT_DOUBLE_EQ(radio.RadioFreq, 9580.0);
    EXPECT_EQ(radio.Mode, kModeCw);
    EXPECT_EQ(radio.Bandwidth, 4);
    EXPECT_EQ(radio.Antenna, kAntenna2);
    EXPECT_EQ(radio.RF, kRfPre);
    EXPECT_EQ(radio.NoiseBlanker, 1);
    EXPECT_EQ(radio.Notch, 2);
  }
}

TEST(ReceiverMemory, ChannelNumbersWithoutAStoreOrOutOfRangeAreRefused) {
  struct Case {
    int model;
    const char* text;
  };
  const std::vector<Case> cases = {
      {kModelR8A, "012\r"},                                 // bare digits without "PR" first
      {kModelR8, "12"},      {kModelR8A, "PR\r440\r"},      // the R8A has channels 000..439
      {kModelR8A, "C440\r"}, {kModelR8B, "PR\rM4\r123\r"},  // another command cancels the store
  };
  for (const Case& c : cases) {
    Talk t(c.model);
    const std::string reply = t.Send(c.text);
    EXPECT_EQ(reply.back(), '?') << c.text;
    for (int n = 0; n < t.rx().channel_count(); ++n) {
      ASSERT_FALSE(t.rx().channel(n).stored) << c.text << " stored " << n;
    }
    EXPECT_FALSE(t.state().memory_mode) << c.text;
  }
}

TEST(ReceiverMemory, NamesGoToTheChannelOnShowWithUnderscoresAsBlanks) {
  Talk t(kModelR8B);
  t.Send("F0958000\rPR\r003\r");
  EXPECT_EQ(t.Send("NCBBC\r"), "?") << "VFO mode: no channel on show";
  t.Send("C\r");
  EXPECT_EQ(t.state().channel, 3);
  EXPECT_EQ(t.Send("NCBBC_WS\r"), "\r\n");
  EXPECT_EQ(t.rx().channel(3).name, "BBC WS ");
  EXPECT_EQ(t.Send("RA\r").substr(25, 7), "BBC WS ");
  EXPECT_EQ(t.Send("NCRADIO_1\r"), "\r\n");
  EXPECT_EQ(t.rx().channel(3).name, "RADIO 1");
  t.Send("F\r");
  EXPECT_EQ(t.Send("RA\r").substr(25, 7), "       ") << "no name shown in VFO mode";
  // Storing again makes a new channel: the old name goes.
  t.Send("PR\r003\r");
  EXPECT_EQ(t.rx().channel(3).name, "       ");
}

TEST(ReceiverMemory, ErasedChannelsReadBackAtTheBottomOfTheBand) {
  Talk t(kModelR8A);
  t.Send("F0958000\rPR\r001\rPR\r002\rC001\r");
  EXPECT_EQ(t.Send("RA\r").substr(11, 9), "  9580.00");
  t.Send("EC001\r");
  EXPECT_FALSE(t.rx().channel(1).stored);
  EXPECT_TRUE(t.rx().channel(2).stored);
  EXPECT_EQ(t.Send("RA\r").substr(11, 9), "   100.00") << "the channel on show is erased too";
  t.Send("EAY\r");
  EXPECT_FALSE(t.rx().channel(2).stored);
}

TEST(ReceiverMemory, UpAndDownStepChannelsWithWrap) {
  struct Case {
    int model;
    const char* start;
    int last;
  };
  const std::vector<Case> cases = {
      {kModelR8, "C00", 99},
      {kModelR8A, "C000\r", 439},
      {kModelR8B, "C000\r", 999},
  };
  for (const Case& c : cases) {
    Talk t(c.model);
    t.Send(c.start);
    EXPECT_EQ(t.Send("D"), "") << "stepping is never answered";
    EXPECT_EQ(t.state().channel, c.last) << c.model;
    EXPECT_EQ(t.Send("U"), "");
    EXPECT_EQ(t.state().channel, 0) << c.model;
    t.Send("UUU");
    EXPECT_EQ(t.state().channel, 3) << c.model;
  }
}

// The program's capture: from channel s, "U" and "RA" as many times as there are channels, which
// must read every channel once and end on s.
TEST(ReceiverMemory, CaptureWalkReadsEveryChannelOnceEndingAtTheStart) {
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    Talk t(model);
    const bool r8 = model == kModelR8;
    t.Send(r8 ? "F0958000PR\r07" : "F0958000\rPR\r007\r");
    t.Send(r8 ? "C05" : "C005\r");
    const int count = ChannelCount(model);
    const int digits = r8 ? 2 : 3;
    std::vector<int> order;
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(t.Send("U"), "");
      const std::string line = t.Send("RA\r");
      ASSERT_EQ(line.size(), r8 ? 25u : 37u);
      ASSERT_EQ(line[0], '*');
      const int channel = std::stoi(line.substr(1, static_cast<std::size_t>(digits)));
      order.push_back(channel);
      const std::string freq = line.substr(r8 ? 10 : 11, 9);
      if (channel == 7) {
        EXPECT_EQ(freq, r8 ? "  9.58000" : "  9580.00");
      } else {
        EXPECT_EQ(freq, r8 ? "  0.10000" : "   100.00") << channel;
      }
    }
    ASSERT_EQ(order.size(), static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(order[static_cast<std::size_t>(i)], (5 + 1 + i) % count) << model;
    }
  }
}

// The program's fill of one named channel into an R8A.
TEST(ReceiverMemory, FillSequenceStoresFrequencySettingsAndName) {
  Talk t(kModelR8A);
  t.Send("F0700000\r");
  const Tuning vfo_a = t.shown();
  const std::vector<std::pair<std::string, std::string>> exchange = {
      {"VB\r", "\r\n"},  {"EAY\r", "\r\n"}, {"F0958000\r", "\r\n"},  {"SK\r", "\r\n"},
      {"A2\r", "\r\n"},  {"M2\r", "\r\n"},  {"AF\r", "\r\n"},        {"PR\r", ""},
      {"003\r", "\r\n"}, {"C\r", "\r\n"},   {"NCRADIO_1\r", "\r\n"}, {"F\r", "\r\n"},
      {"VA\r", "\r\n"},
  };
  for (const auto& [command, reply] : exchange) EXPECT_EQ(t.Send(command), reply) << command;
  const Channel& c = t.rx().channel(3);
  EXPECT_TRUE(c.stored);
  EXPECT_EQ(c.tuning.freq_10hz, 958000);
  EXPECT_EQ(c.tuning.mode, Mode::kLsb);
  EXPECT_EQ(c.tuning.antenna, Antenna::k2);
  EXPECT_EQ(c.tuning.agc, Agc::kFast);
  EXPECT_EQ(c.name, "RADIO 1");
  EXPECT_FALSE(t.state().memory_mode);
  EXPECT_EQ(t.shown(), vfo_a) << "VFO A is untouched by a fill through VFO B";
}

TEST(ReceiverMemory, TuningInMemoryModeDependsOnMemoryTune) {
  Talk t(kModelR8A);
  t.Send("F0958000\rM4\rPR\r010\rF0600000\rM6\rC010\r");
  // Without memory tune: the channel's settings move to the VFO, which is then tuned.
  t.Send("F1210000\r");
  EXPECT_FALSE(t.state().memory_mode);
  EXPECT_EQ(t.shown().freq_10hz, 1210000);
  EXPECT_EQ(t.shown().mode, Mode::kCw);
  // With memory tune: the channel on show is retuned and stays on show; the store is untouched.
  t.Send("C010\rCTO\rF1220000\rM1\r");
  EXPECT_TRUE(t.state().memory_mode);
  EXPECT_EQ(t.shown().freq_10hz, 1220000);
  EXPECT_EQ(t.shown().mode, Mode::kUsb);
  EXPECT_EQ(t.rx().channel(10).tuning.freq_10hz, 958000);
  EXPECT_EQ(t.rx().channel(10).tuning.mode, Mode::kCw);
}

}  // namespace
}  // namespace r8::emulator
