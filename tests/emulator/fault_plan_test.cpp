#include "emulator/fault_plan.h"

#include <gtest/gtest.h>

namespace r8::emulator {
namespace {

TEST(FaultPlan, ReadsEveryFaultAndRefusesWhatItCannotUse) {
  std::string error;
  const auto plan = ParseFaultPlan("drop=0.01,garble=0.5,late=0.25:2s,silence=5s@1m", error);
  ASSERT_TRUE(plan) << error;
  EXPECT_EQ(*plan, (FaultPlan{0.01, 0.5, 0.25, 2000, 60000, 5000}));
  EXPECT_EQ(ParseFaultPlan("late=1", error)->late_ms, FaultPlan::kDefaultLateMs);
  EXPECT_EQ(ParseFaultPlan("", error), FaultPlan{});
  for (const char* bad : {"drop=1.5", "drop=-0.1", "drop=", "garble=x", "late=0.1:5", "late=0.1:",
                          "silence=5s", "silence=5s@", "silence=5h@1s", "silence=99999m@0s",
                          "drop=0.1,", "noise=0.1", "drop"}) {
    error.clear();
    EXPECT_FALSE(ParseFaultPlan(bad, error)) << bad;
    EXPECT_FALSE(error.empty()) << bad;
  }
}

TEST(FaultInjector, SpoilsMessagesAsPlanned) {
  FaultInjector garble({0, 1.0, 0, 0, 0, 0}, 5);
  for (int i = 0; i < 200; ++i) {
    Reply r{100, "ABCDEF\r\n"};
    ASSERT_TRUE(garble.Apply(r));
    int changed = 0;
    for (std::size_t k = 0; k < r.bytes.size(); ++k) changed += r.bytes[k] != "ABCDEF\r\n"[k];
    EXPECT_EQ(changed, 1) << r.bytes;
    EXPECT_EQ(r.at_ms, 100u);
  }
  EXPECT_EQ(garble.counts().garbled, 200u);

  FaultInjector late({0, 0, 1.0, 300, 0, 0}, 5);
  Reply r{100, "X"};
  ASSERT_TRUE(late.Apply(r));
  EXPECT_EQ(r.at_ms, 400u);
  EXPECT_EQ(r.bytes, "X");

  // Silent from 1000 ms for 500 ms: the window's first millisecond is in, its end is out.
  FaultInjector silence({0, 0, 0, 0, 1000, 500}, 5);
  for (auto [at, kept] : {std::pair{999u, true}, {1000u, false}, {1499u, false}, {1500u, true}}) {
    Reply m{at, "X"};
    EXPECT_EQ(silence.Apply(m), kept) << at;
  }
  EXPECT_EQ(silence.counts().silenced, 2u);

  // A chance of a fault is about that share of messages, and none at 0.
  FaultInjector drop({0.1, 0, 0, 0, 0, 0}, 9);
  int kept = 0;
  for (int i = 0; i < 10000; ++i) {
    Reply m{0, "X"};
    kept += drop.Apply(m);
  }
  EXPECT_NEAR(kept, 9000, 150);
  EXPECT_EQ(drop.counts().total(), static_cast<std::uint64_t>(10000 - kept));
}

}  // namespace
}  // namespace r8::emulator
