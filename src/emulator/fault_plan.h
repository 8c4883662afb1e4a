// Line faults for the emulated receiver, so the link's recovery can be shown end to end:
//
//   drop=0.01,garble=0.01,late=0.01:500ms,silence=5s@30s
//
// drop, garble and late are chances per message the receiver sends (0 to 1); late may carry how
// long a late message is held back (default kDefaultLateMs); silence=D@T makes the receiver say
// nothing for D from receiver time T on (it still obeys what it hears). Durations are a whole
// number with "ms", "s" or "m". An empty text means no faults.
//
// A garbled message has one byte, chosen at random, replaced by another: sometimes that is the
// line feed, sometimes a digit of the frequency, as on a noisy line.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "emulator/receiver_types.h"

namespace r8::emulator {

struct FaultPlan {
  static constexpr std::uint32_t kDefaultLateMs = 500;
  double drop = 0.0;
  double garble = 0.0;
  double late = 0.0;
  std::uint32_t late_ms = kDefaultLateMs;
  std::uint64_t silence_at_ms = 0;
  std::uint64_t silence_ms = 0;
  bool operator==(const FaultPlan&) const = default;
};

// The plan in text; nullopt with error set to what is wrong.
std::optional<FaultPlan> ParseFaultPlan(std::string_view text, std::string& error);

struct FaultCounts {
  std::uint64_t dropped = 0;
  std::uint64_t garbled = 0;
  std::uint64_t late = 0;
  std::uint64_t silenced = 0;
  std::uint64_t total() const { return dropped + garbled + late + silenced; }
};

class FaultInjector {
 public:
  FaultInjector() = default;
  FaultInjector(const FaultPlan& plan, std::uint32_t seed);

  // Applies the plan to one message; false when the message is lost.
  bool Apply(Reply& reply);
  const FaultCounts& counts() const { return counts_; }
  const FaultPlan& plan() const { return plan_; }

 private:
  bool Chance(double p);

  FaultPlan plan_;
  std::mt19937 rng_;
  FaultCounts counts_;
};

}  // namespace r8::emulator
