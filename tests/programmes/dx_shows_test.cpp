#include "programmes/dx_shows.h"

#include <gtest/gtest.h>

#include "common/file_commit.h"
#include "programmes/dx_list.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::ReadBytes;
using testing::TestContext;
using testing::WriteBytes;

TEST(DxShowsFile, LinesAndTheirProblems) {
  const std::string good =
      "1430* w      Wavescan          Radio Free Asia           Notes of the show";
  const DxParsedLine p = ParseDxLine(good);
  ASSERT_TRUE(p.programme);
  EXPECT_EQ(p.programme->time, 1430);
  EXPECT_EQ(p.programme->day, 3);
  EXPECT_TRUE(p.programme->heard);
  EXPECT_EQ(p.programme->program, "Wavescan          ");
  EXPECT_EQ(p.programme->station, "Radio Free Asia          ");
  EXPECT_EQ(p.programme->notes, "Notes of the show");
  struct Case {
    std::string line;
    DxLineProblem problem;
    bool listed;
  };
  const std::vector<Case> cases = {
      {"", DxLineProblem::kBlank, false},
      {"1430  w      ", DxLineProblem::kTooShort, false},
      {"1430  w      X", DxLineProblem::kNone, true},
      {"   s       ", DxLineProblem::kTooShort, false},
      {"2400  w      Show", DxLineProblem::kBadTime, false},
      {"1260  w      Show", DxLineProblem::kBadTime, false},
      {"14:0  w      Show", DxLineProblem::kBadTime, false},
      {"1430x w      Show", DxLineProblem::kBadMark, false},
      {"1430         Show", DxLineProblem::kBadDay, false},
      {"1430  x      Show", DxLineProblem::kBadDay, false},
      {"1430     A   Show", DxLineProblem::kNone, true},  // Saturday, in capitals
      {"1430  w      Sh\x01w", DxLineProblem::kNotText, false},
      {"1430  w      Sh\x85w", DxLineProblem::kNotText, false},
      {"1430  w      Sh\tw", DxLineProblem::kNotText, false},
      {"1430  w      Caf\xe9", DxLineProblem::kNone, true},
      {std::string(57, 'x').replace(0, 13, "1430  w      ") + std::string(51, 'n'),
       DxLineProblem::kNotesTooLong, true},
  };
  for (const Case& c : cases) {
    const DxParsedLine r = ParseDxLine(c.line);
    EXPECT_EQ(r.problem, c.problem) << c.line;
    EXPECT_EQ(r.programme.has_value(), c.listed) << c.line;
  }
  EXPECT_EQ(ParseDxLine(cases.back().line).programme->notes.size(), 50u);
  const std::string mixed = "a\r\nb\n\r\nc\rd";
  EXPECT_EQ(JoinDxShows(SplitDxShows(mixed)), mixed);
  EXPECT_EQ(SplitDxShows(mixed).size(), 4u);
}

TEST(DxShowsFile, TheDemoGuideReadsWhole) {
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(R8_DATA_DIR "/demo/DXSHOWS.TXT", bytes));
  const std::vector<DxFileLine> lines = SplitDxShows(bytes);
  EXPECT_GE(lines.size(), 12u);
  for (const DxFileLine& l : lines) {
    EXPECT_EQ(ParseDxLine(l.text).problem, DxLineProblem::kNone) << l.text;
    EXPECT_EQ(l.ending, "\r\n");
  }
}

class DxProgramsTest : public ::testing::Test {
 protected:
  DxProgramsTest() { t_.clock().Set({2026, 12, 9, 14, 30, 0}); }  // a Wednesday
  void Write(const std::string& bytes) { WriteBytes(path(), bytes); }
  std::filesystem::path path() { return t_.dir() / "DXSHOWS.TXT"; }
  int RowOfLine(int line) {
    for (std::size_t i = 0; i < dx_.view().rows.size(); ++i) {
      if (dx_.view().rows[i].line == line) return static_cast<int>(i);
    }
    return -1;
  }
  TestContext t_;
  DxPrograms dx_{t_.ctx()};
};

const std::string kL1 = "1500  w      Show one          Station A";
const std::string kBad = "15x0  w      Broken          \xe9";
const std::string kL3 = "1600* w      Show two          Station B                 note";
const std::string kFile = kL1 + "\r\n" + kBad + "\r\n" + kL3 + "\n";

TEST_F(DxProgramsTest, EditsRewriteOneLineAndKeepTheUnreadable) {
  Write(kFile);
  dx_.Fill();
  EXPECT_EQ(t_.prompts().texts().size(), 1u);  // the unreadable line is said once
  dx_.Fill();
  EXPECT_EQ(t_.prompts().texts().size(), 1u);
  EXPECT_NE(t_.prompts().texts()[0].find("Line 2: no time hhmm"), std::string::npos);

  ASSERT_TRUE(dx_.Mark(RowOfLine(1)));
  EXPECT_EQ(ReadBytes(path()), "1500* w      Show one          Station A\r\n" + kBad + "\r\n" +
                                   kL3 + "\n");
  ASSERT_TRUE(dx_.Mark(RowOfLine(1)));
  EXPECT_EQ(ReadBytes(path()), kFile);

  const DxEntry e = dx_.EntryOf(RowOfLine(3));
  EXPECT_EQ(e.notes, "note");
  EXPECT_TRUE(e.heard);
  ASSERT_TRUE(dx_.Modify(RowOfLine(3), {"1605", "New", "Station C", "", false}));
  const std::string l3 = "1605  w      New               Station C";
  EXPECT_EQ(ReadBytes(path()), kL1 + "\r\n" + kBad + "\r\n" + l3 + "\n");

  ASSERT_TRUE(dx_.Insert(RowOfLine(3), true, {"1700", "After", "D", "n", true}));
  ASSERT_TRUE(dx_.Insert(RowOfLine(1), false, {"1400", "Before", "E", "", true}));
  const std::string after = "1700* w      After             D                         n";
  const std::string before = "1400* w      Before            E";
  EXPECT_EQ(ReadBytes(path()), before + "\r\n" + kL1 + "\r\n" + kBad + "\r\n" + l3 + "\r\n" +
                                   after + "\n");
  ASSERT_TRUE(dx_.Delete(RowOfLine(2)));  // kL1
  ASSERT_TRUE(dx_.Delete(RowOfLine(1)));  // before
  EXPECT_EQ(ReadBytes(path()), kBad + "\r\n" + l3 + "\r\n" + after + "\n");
  EXPECT_FALSE(dx_.Modify(RowOfLine(2), {"99", "X", "Y", "", true}));  // refused entry
  EXPECT_FALSE(dx_.CanInsert(0));                                      // a heading
}

TEST_F(DxProgramsTest, AChangedOrMissingFileIsNotOverwritten) {
  Write(kFile);
  dx_.Fill();
  const std::string changed = "1500  w      Other             Station A\r\n";
  Write(changed);
  EXPECT_FALSE(dx_.Mark(1));
  EXPECT_EQ(ReadBytes(path()), changed);
  EXPECT_NE(t_.prompts().texts().back().find("has changed since it was listed"),
            std::string::npos);

  std::filesystem::remove(path());
  dx_.Fill();
  EXPECT_TRUE(dx_.view().rows.empty());
  EXPECT_EQ(t_.prompts().texts().back().rfind("ERROR: ", 0), 0u);
  EXPECT_NE(t_.prompts().texts().back().find("DXSHOWS.TXT\rFile not found or other error."),
            std::string::npos);
}

TEST_F(DxProgramsTest, AnEmptyListTakesAProgrammeOnTheDayItStartsWith) {
  Write(kBad + "\r\n" + "0900  m      Mon show          M\r\n");
  dx_.filter() = DxFilter{true, "1200", 2, "", "nothing matches"};
  dx_.Fill();
  ASSERT_TRUE(dx_.CanInsert(-1));
  ASSERT_TRUE(dx_.Insert(-1, false, {"1300", "New", "N", "", false}));
  EXPECT_EQ(ReadBytes(path()), kBad + "\r\n0900  m      Mon show          M\r\n" +
                                   "1300  m      New               N\r\n");
}

TEST(DxEditValidation, Table) {
  const std::vector<std::pair<DxEntry, const char*>> cases = {
      {{"1430", "Show", "Station", "", true}, ""},
      {{"    ", "Show", "Station", "", true}, "Illegal time entered."},
      {{"143", "Show", "Station", "", true}, "Illegal time entered."},
      {{"14:3", "Show", "Station", "", true}, "Illegal time entered."},
      {{"2400", "Show", "Station", "", true}, "Illegal time entered."},
      {{"1430", "  ", "Station", "", true}, "Illegal program name entered."},
      {{"1430", "Show", " ", "", true}, "Illegal station name entered."},
      {{"", "", "", "", true}, "Illegal time entered."},
  };
  for (const auto& [entry, message] : cases) {
    EXPECT_EQ(ValidateDxEntry(entry).value_or(""), message) << entry.time << "/" << entry.program;
  }
}

}  // namespace
}  // namespace r8
