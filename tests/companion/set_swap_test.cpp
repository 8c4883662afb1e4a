#include "companion/set_swap.h"

#include <gtest/gtest.h>

#include <map>

#include "database/database_files.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::WriteBytes;

// Every file of the folder with its bytes.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir)) {
    files[e.path().filename().string()] = ReadBytes(e.path());
  }
  return files;
}

class SetSwapTest : public ::testing::Test {
 protected:
  void Write(std::map<std::string, std::string> files) {
    for (const auto& [name, bytes] : files) WriteBytes(dir_ / name, bytes);
  }
  testing::TempDir dir_;
};

TEST_F(SetSwapTest, SwappingTwiceRestoresTheOriginalSetAndTheCaptionFollows) {
  for (const std::string inactive : {"SKD", "SRC"}) {
    testing::TempDir dir;
    const std::map<std::string, std::string> start = {{"SWBCGIDE.DAT", "active schedule"},
                                                      {"STATIONS.DAT", "active names"},
                                                      {"SWBCGIDE." + inactive, "inactive schedule"},
                                                      {"STATIONS." + inactive, "inactive names"},
                                                      {"TARVELIN.INI", "[OPTIONS]\r\n"}};
    for (const auto& [name, bytes] : start) WriteBytes(dir / name, bytes);
    const std::string other = inactive == "SKD" ? "SRC" : "SKD";
    const std::string caption_before = MainWindowCaption(dir.path());

    const CompanionReport first = SwapScheduleSets(dir.path());
    ASSERT_TRUE(first.ok()) << first.text;
    EXPECT_EQ(Snapshot(dir.path()),
              (std::map<std::string, std::string>{{"SWBCGIDE.DAT", "inactive schedule"},
                                                  {"STATIONS.DAT", "inactive names"},
                                                  {"SWBCGIDE." + other, "active schedule"},
                                                  {"STATIONS." + other, "active names"},
                                                  {"TARVELIN.INI", "[OPTIONS]\r\n"}}));
    EXPECT_EQ(MainWindowCaption(dir.path()), std::string(kMainTitle) + " - [" + inactive + "]");
    EXPECT_NE(MainWindowCaption(dir.path()), caption_before);

    ASSERT_TRUE(SwapScheduleSets(dir.path()).ok());
    EXPECT_EQ(Snapshot(dir.path()), start);
    EXPECT_EQ(MainWindowCaption(dir.path()), caption_before);
  }
}

TEST_F(SetSwapTest, WhatCannotBeSwappedSafelyIsRefusedAndNothingChanges) {
  const struct {
    const char* what;
    std::map<std::string, std::string> files;
    std::string reason;
  } cases[] = {
      {"no inactive set", {{"SWBCGIDE.DAT", "a"}, {"STATIONS.DAT", "a"}}, "no inactive set"},
      {"no active names",
       {{"SWBCGIDE.DAT", "a"}, {"SWBCGIDE.SKD", "b"}, {"STATIONS.SKD", "b"}},
       "cannot be read"},
      {"inactive set without names",
       {{"SWBCGIDE.DAT", "a"}, {"STATIONS.DAT", "a"}, {"SWBCGIDE.SKD", "b"}},
       "STATIONS.SKD"},
      {"both extensions, neither a leftover",
       {{"SWBCGIDE.DAT", "a"},
        {"STATIONS.DAT", "a"},
        {"SWBCGIDE.SKD", "b"},
        {"STATIONS.SKD", "b"},
        {"SWBCGIDE.SRC", "c"},
        {"STATIONS.SRC", "c"}},
       "not clear"},
      {"names the active set would overwrite",
       {{"SWBCGIDE.DAT", "a"},
        {"STATIONS.DAT", "a"},
        {"SWBCGIDE.SKD", "b"},
        {"STATIONS.SKD", "b"},
        {"STATIONS.SRC", "someone's names"}},
       "STATIONS.SRC exists"},
  };
  for (const auto& c : cases) {
    testing::TempDir dir;
    for (const auto& [name, bytes] : c.files) WriteBytes(dir / name, bytes);
    const CompanionReport report = SwapScheduleSets(dir.path());
    EXPECT_EQ(report.exit_code, kExitFailed) << c.what;
    EXPECT_NE(report.text.find(c.reason), std::string::npos) << c.what << "\n" << report.text;
    EXPECT_EQ(Snapshot(dir.path()), c.files) << c.what;
  }
}

TEST_F(SetSwapTest, ASwapKilledHalfWayIsPutRightWithoutLosingASet) {
  // Killed while the new files were moving in (the active names already replaced, the active
  // schedule stepped aside): the change is undone, then the swap is made.
  Write({{"STATIONS.DAT", "b names"},
         {"STATIONS.DAT.old", "a names"},
         {"SWBCGIDE.DAT.old", "a"},
         {"SWBCGIDE.DAT.new", "b"},
         {"STATIONS.SRC.new", "a names"},
         {"SWBCGIDE.SRC.new", "a"},
         {"SWBCGIDE.SKD", "b"},
         {"STATIONS.SKD", "b names"}});
  ASSERT_TRUE(SwapScheduleSets(dir_.path()).ok());
  EXPECT_EQ(Snapshot(dir_.path()),
            (std::map<std::string, std::string>{{"SWBCGIDE.DAT", "b"},
                                                {"STATIONS.DAT", "b names"},
                                                {"SWBCGIDE.SRC", "a"},
                                                {"STATIONS.SRC", "a names"}}));

  // Killed before the set that came in was removed (its names already gone): it is removed, and
  // the sets are not swapped back.
  testing::TempDir dir;
  for (const auto& [name, bytes] : std::map<std::string, std::string>{{"SWBCGIDE.DAT", "b"},
                                                                      {"STATIONS.DAT", "b names"},
                                                                      {"SWBCGIDE.SRC", "a"},
                                                                      {"STATIONS.SRC", "a names"},
                                                                      {"SWBCGIDE.SKD", "b"}}) {
    WriteBytes(dir / name, bytes);
  }
  const CompanionReport report = SwapScheduleSets(dir.path());
  ASSERT_TRUE(report.ok()) << report.text;
  EXPECT_NE(report.text.find("finished"), std::string::npos);
  EXPECT_EQ(Snapshot(dir.path()),
            (std::map<std::string, std::string>{{"SWBCGIDE.DAT", "b"},
                                                {"STATIONS.DAT", "b names"},
                                                {"SWBCGIDE.SRC", "a"},
                                                {"STATIONS.SRC", "a names"}}));
}

// The earlier way, killed between its two ".SRC" renames, left the active names' copy alone in
// STATIONS.SRC: put right into a state the swap accepts, and the swap is made.
TEST_F(SetSwapTest, AnOrphanCopyOfTheActiveNamesDoesNotBlockEveryLaterSwap) {
  Write({{"STATIONS.DAT", "b names"},
         {"STATIONS.DAT.old", "a names"},
         {"SWBCGIDE.DAT", "b"},
         {"SWBCGIDE.DAT.old", "a"},
         {"STATIONS.SRC", "a names"},
         {"SWBCGIDE.SRC.new", "a"},
         {"SWBCGIDE.SKD", "b"},
         {"STATIONS.SKD", "b names"}});
  const CompanionReport report = SwapScheduleSets(dir_.path());
  ASSERT_TRUE(report.ok()) << report.text;
  EXPECT_EQ(Snapshot(dir_.path()),
            (std::map<std::string, std::string>{{"SWBCGIDE.DAT", "b"},
                                                {"STATIONS.DAT", "b names"},
                                                {"SWBCGIDE.SRC", "a"},
                                                {"STATIONS.SRC", "a names"}}));
  // A refusal after putting something right does not claim that nothing changed.
  Write({{"SWBCGIDE.DAT.new", "x"}, {"STATIONS.SKD", "c names"}});
  const CompanionReport refused = SwapScheduleSets(dir_.path());
  EXPECT_FALSE(refused.ok());
  EXPECT_EQ(refused.text.find("Nothing was changed."), std::string::npos) << refused.text;
  EXPECT_NE(refused.text.find("The swap was not made."), std::string::npos) << refused.text;
}

}  // namespace
}  // namespace r8
