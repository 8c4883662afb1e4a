// A million random and mutated command lines into the receiver: no crash, bounded replies, and a
// state that still holds only valid codes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "emulator/receiver.h"
#include "radio/radio_model.h"

namespace r8::emulator {
namespace {

const std::vector<std::string>& ValidCommands(int model) {
  static const std::vector<std::string> common = {
      "RA\r", "RS\r", "PO\r", "PF\r", "ST\r", "TO\r", "TF\r", "BF\r", "BN\r", "BW\r",
      "NF\r", "NO\r", "VA\r", "VB\r", "A1\r", "A2\r", "AC\r", "G-\r", "G0\r", "G+\r",
      "AO\r", "AS\r", "AF\r", "W6\r", "W4\r", "W2\r", "W1\r", "W0\r", "M6\r", "M5\r",
      "M4\r", "M3\r", "M2\r", "M1\r", "SO\r", "SF\r", "F\r",  "C\r",  "PR\r", "U",
      "D",    "RF\r", "RM\r", "RC\r", "ID\r", " \r",  "\r"};
  static const std::vector<std::string> r8 = [] {
    std::vector<std::string> v = common;
    for (const char* s : {"F0958000", "F1180000", "F3000000", "C05", "C99", "42", "07"}) {
      v.emplace_back(s);
    }
    return v;
  }();
  static const std::vector<std::string> r8ab = [] {
    std::vector<std::string> v = common;
    for (const char* s :
         {"F0958000\r", "F1180000\r", "F0350000\r", "C005\r",     "C439",       "C999\r", "123\r",
          "007",        "AEB\r",      "EAY\r",      "EC005\r",    "NCBBC_WS\r", "NC\r",   "SK\r",
          "SM\r",       "CTO\r",      "CTF\r",      "NI\r",       "NA\r",       "LB\r",   "FR\r",
          "TI\r",       "TL\r",       "TU\r",       "TL235959\r", "TU000000\r", "RSS\r"}) {
      v.emplace_back(s);
    }
    return v;
  }();
  return model == kModelR8 ? r8 : r8ab;
}

std::string Mutate(std::string s, std::mt19937& rng) {
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
  switch (rng() % 6) {
    case 0:  // flip a byte
      if (!s.empty()) s[pick(s.size() - 1)] ^= static_cast<char>(1 << (rng() % 8));
      break;
    case 1:  // truncate
      s.resize(pick(s.size()));
      break;
    case 2:  // duplicate a stretch
      if (!s.empty()) {
        const std::size_t at = pick(s.size() - 1);
        s.insert(at, s.substr(at, pick(s.size() - at)));
      }
      break;
    case 3:  // a binary byte somewhere
      s.insert(pick(s.size()), 1, static_cast<char>(rng() & 0xFF));
      break;
    case 4:  // a digit changed to another
      for (char& c : s) {
        if (c >= '0' && c <= '9' && rng() % 2 == 0) c = static_cast<char>('0' + rng() % 10);
      }
      break;
    default:  // the terminator swapped or lost
      if (!s.empty() && s.back() == '\r') s.back() = rng() % 2 ? '\n' : 'X';
      break;
  }
  return s;
}

std::string RandomBytes(std::mt19937& rng) {
  std::string s(rng() % 24, '\0');
  for (char& c : s) c = static_cast<char>(rng() & 0xFF);
  return s;
}

bool ValidTuning(const Tuning& t) {
  return IsTunable(t.freq_10hz) && static_cast<int>(t.mode) <= 5 &&
         static_cast<int>(t.bandwidth) >= 1 && static_cast<int>(t.bandwidth) <= 5 &&
         static_cast<int>(t.agc) <= 2 && static_cast<int>(t.antenna) <= 2 &&
         static_cast<int>(t.rf) <= 2 && static_cast<int>(t.noise_blanker) <= 2;
}

void ExpectValidState(const Receiver& rx, std::uint64_t now_ms) {
  const ReceiverState& s = rx.state();
  EXPECT_TRUE(ValidTuning(s.vfo[0]));
  EXPECT_TRUE(ValidTuning(s.vfo[1]));
  EXPECT_TRUE(ValidTuning(s.memory_working));
  EXPECT_TRUE(s.active_vfo == Vfo::kA || s.active_vfo == Vfo::kB);
  EXPECT_GE(s.channel, 0);
  EXPECT_LT(s.channel, rx.channel_count());
  EXPECT_GE(s.step_index, 0);
  EXPECT_LT(s.step_index, static_cast<int>(kSteps10Hz.size()));
  for (ClockShown c : {ClockShown::kLocal, ClockShown::kUtc}) {
    EXPECT_GE(rx.ClockSeconds(c, now_ms), 0);
    EXPECT_LT(rx.ClockSeconds(c, now_ms), 86400);
  }
  for (int n = 0; n < rx.channel_count(); ++n) {
    const Channel& c = rx.channel(n);
    ASSERT_TRUE(ValidTuning(c.tuning)) << n;
    ASSERT_EQ(c.name.size(), static_cast<std::size_t>(kChannelNameLength)) << n;
    for (char ch : c.name) ASSERT_TRUE(ch >= 0x20 && ch < 0x7F) << n;
  }
  EXPECT_LE(rx.commands().size(), Receiver::kLogLimit);
  const std::string line = rx.StatusLine();
  EXPECT_EQ(line.size(), rx.model() == kModelR8 ? 25u : 37u);
}

TEST(ReceiverRobustness, AMillionRandomAndMutatedLines) {
  constexpr int kLinesPerModel = 340000;
  std::mt19937 rng(20261206);
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    Receiver rx(model);
    const std::vector<std::string>& valid = ValidCommands(model);
    std::uint64_t now = 0;
    std::size_t accepted = 0;
    for (int i = 0; i < kLinesPerModel; ++i) {
      std::string line;
      const unsigned kind = rng() % 8;
      if (kind == 0) {
        line = RandomBytes(rng);
      } else if (kind <= 4) {
        line = Mutate(valid[rng() % valid.size()], rng);
      } else {
        line = valid[rng() % valid.size()];
      }
      // Sometimes in two pieces, as the line delivers them.
      const std::size_t cut = line.empty() ? 0 : rng() % (line.size() + 1);
      rx.Receive(std::string_view(line).substr(0, cut), now);
      now += rng() % 3;
      rx.Receive(std::string_view(line).substr(cut), now);
      if (rng() % 5000 == 0)
        rx.StartScan(rng() % 2 ? ScanKind::kMemory : ScanKind::kFrequency, now);
      if (rng() % 7000 == 0) now += rng() % 100000;
      rx.AdvanceTo(now);
      for (const Reply& r : rx.TakeReplies()) {
        // Every reply is a refusal or ends in a line feed, and none is longer than a status line.
        ASSERT_FALSE(r.bytes.empty());
        ASSERT_LE(r.bytes.size(), 37u);
        ASSERT_TRUE(r.bytes == "?" || r.bytes.back() == '\n') << r.bytes;
        if (r.bytes != "?") ++accepted;
      }
      if (i % 100000 == 0) ExpectValidState(rx, now);
    }
    ExpectValidState(rx, now);
    EXPECT_GT(accepted, static_cast<std::size_t>(kLinesPerModel / 4)) << "mostly valid commands";
  }
}

}  // namespace
}  // namespace r8::emulator
