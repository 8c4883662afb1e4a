#include "common/file_date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "support/temp_dir.h"

namespace r8 {
namespace {

TEST(PackDosDateTime, PacksEachFieldInItsBits) {
  struct Case {
    LocalDateTime t;
    std::uint32_t packed;
  };
  const Case cases[] = {
      {{1980, 1, 1, 0, 0, 0}, 0x00210000u},
      {{2026, 12, 5, 14, 30, 58},
       (46u << 25) | (12u << 21) | (5u << 16) | (14u << 11) | (30u << 5) | 29u},
      {{2044, 1, 1, 0, 0, 0}, (64u << 25) | (1u << 21) | (1u << 16)},  // top bit set
      {{1970, 6, 1, 12, 0, 0}, 0x00210000u},                           // before the format's start
      {{2200, 6, 1, 12, 0, 0},
       (127u << 25) | (12u << 21) | (31u << 16) | (23u << 11) | (59u << 5) | 29u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.t.year);
    EXPECT_EQ(PackDosDateTime(c.t), c.packed);
  }
  // Later moments give larger stamps when compared as unsigned, across the 2044 sign bit too.
  EXPECT_LT(PackDosDateTime({2043, 12, 31, 23, 59, 58}), PackDosDateTime({2044, 1, 1, 0, 0, 0}));
}

TEST(GetFileDate, FollowsTheFilesWriteTimeAndFailsForMissingFiles) {
  testing::TempDir dir;
  const auto file = dir / "SKEDULE.TXT";
  EXPECT_FALSE(GetFileDate(file).has_value());
  testing::WriteBytes(file, "x");
  const auto first = GetFileDate(file);
  ASSERT_TRUE(first.has_value());
  std::filesystem::last_write_time(file,
                                   std::filesystem::last_write_time(file) + std::chrono::hours(49));
  const auto later = GetFileDate(file);
  ASSERT_TRUE(later.has_value());
  EXPECT_GT(*later, *first);
  // Two days on: the day field moved (the hour alone cannot account for 49 hours).
  EXPECT_NE((*later >> 16) & 0x1F, (*first >> 16) & 0x1F);
}

}  // namespace
}  // namespace r8
