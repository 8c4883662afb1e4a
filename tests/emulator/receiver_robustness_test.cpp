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

// Commands the receiver accepts: those of every model, then the model's own.
std::vector<std::string> ValidCommands(int model) {
  std::vector<std::string> v = {"U", "D", " \r", "\r"};
  for (const char* s :
       {"RA", "RS", "PO", "PF", "ST", "TO", "TF", "BF", "BN", "BW", "NF", "NO", "VA", "VB", "A1",
        "A2", "AC", "G-", "G0", "G+", "AO", "AS", "AF", "W6", "W4", "W2", "W1", "W0", "M6", "M5",
        "M4", "M3", "M2", "M1", "SO", "SF", "F",  "C",  "PR", "RF", "RM", "RC", "ID"}) {
    v.push_back(std::string(s) + "\r");
  }
  if (model == kModelR8) {
    v.insert(v.end(), {"F0958000", "F1180000", "F3000000", "C05", "C99", "42", "07"});
  } else {
    v.insert(v.end(), {"C439", "007"});
    for (const char* s :
         {"F0958000", "F1180000", "F0350000", "C005", "C999",     "123",      "AEB", "EAY", "EC005",
          "NCBBC_WS", "NC",       "SK",       "SM",   "CTO",      "CTF",      "NI",  "NA",  "LB",
          "FR",       "TI",       "TL",       "TU",   "TL235959", "TU000000", "RSS"}) {
      v.push_back(std::string(s) + "\r");
    }
  }
  return v;
}

// One random edit: a bit flipped, the end cut, a stretch doubled, a byte put in, digits changed
// or the terminator swapped.
std::string Mutate(std::string s, std::mt19937& rng) {
  auto pick = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n)(rng); };
  const unsigned kind = rng() % 6;
  if (s.empty() && kind != 3) return s;
  if (kind == 0) s[pick(s.size() - 1)] ^= static_cast<char>(1 << (rng() % 8));
  if (kind == 1) s.resize(pick(s.size()));
  if (kind == 2) {
    const std::size_t at = pick(s.size() - 1);
    s.insert(at, s.substr(at, pick(s.size() - at)));
  }
  if (kind == 3) s.insert(pick(s.size()), 1, static_cast<char>(rng() & 0xFF));
  for (char& c : s) {
    if (kind == 4 && c >= '0' && c <= '9' && rng() % 2 == 0)
      c = static_cast<char>('0' + rng() % 10);
  }
  if (kind == 5 && s.back() == '\r') s.back() = rng() % 2 ? '\n' : 'X';
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
  EXPECT_TRUE(ValidTuning(s.vfo[0]) && ValidTuning(s.vfo[1]) && ValidTuning(s.memory_working));
  EXPECT_TRUE(s.active_vfo == Vfo::kA || s.active_vfo == Vfo::kB);
  EXPECT_TRUE(s.channel >= 0 && s.channel < rx.channel_count()) << s.channel;
  EXPECT_TRUE(s.step_index >= 0 && s.step_index < static_cast<int>(kSteps10Hz.size()));
  for (ClockShown c : {ClockShown::kLocal, ClockShown::kUtc}) {
    EXPECT_TRUE(rx.ClockSeconds(c, now_ms) >= 0 && rx.ClockSeconds(c, now_ms) < 86400);
  }
  for (int n = 0; n < rx.channel_count(); ++n) {
    const Channel& c = rx.channel(n);
    ASSERT_TRUE(ValidTuning(c.tuning)) << n;
    ASSERT_EQ(c.name.size(), static_cast<std::size_t>(kChannelNameLength)) << n;
    for (char ch : c.name) ASSERT_TRUE(ch >= 0x20 && ch < 0x7F) << n;
  }
  EXPECT_LE(rx.commands().size(), Receiver::kLogLimit);
  EXPECT_EQ(rx.StatusLine().size(), rx.model() == kModelR8 ? 25u : 37u);
}

TEST(ReceiverRobustness, AMillionRandomAndMutatedLines) {
  constexpr int kLinesPerModel = 340000;
  std::mt19937 rng(20261206);
  for (int model : {kModelR8, kModelR8A, kModelR8B}) {
    Receiver rx(model);
    const std::vector<std::string> valid = ValidCommands(model);
    std::uint64_t now = 0;
    std::size_t accepted = 0;
    for (int i = 0; i < kLinesPerModel; ++i) {
      // One in eight random bytes, half mutated commands, the rest valid ones.
      const unsigned kind = rng() % 8;
      std::string line = valid[rng() % valid.size()];
      if (kind == 0) {
        line.assign(rng() % 24, '\0');
        for (char& c : line) c = static_cast<char>(rng() & 0xFF);
      } else if (kind <= 4) {
        line = Mutate(line, rng);
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
