#include <gtest/gtest.h>

#include "common/file_commit.h"
#include "common/format.h"
#include "log/log_file.h"
#include "log/log_record.h"
#include "radio/radio_model.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

const std::string N = "\xFF\t\t";

// Lines in the present form read and written back byte for byte.
TEST(LogRecord, PresentLinesRoundTrip) {
  const std::string kLines[] = {
      " 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t\t34433\t\tRadio Australia",
      " 31.0000\tMHz\t0905s\t17 Jan 98\tUSB\t50/170\t\tDDK\tUtil",
  };
  const std::string with_notes =
      " 6000.00\tkHz\t2359a\t02 Mar 97\tAM\t\t45444\t\tRHC" + N + "a" + N + "b";
  for (const std::string& line : kLines) EXPECT_EQ(FormatLogRecord(*ParseLogRecord(line)), line);
  EXPECT_EQ(FormatLogRecord(*ParseLogRecord(with_notes)), with_notes);
  EXPECT_EQ(ParseLogRecord(with_notes)->notes, (std::vector<std::string>{"a", "b"}));
  // A field with a TAB or the note mark in it cannot break the record.
  LogEntry e = *ParseLogRecord(kLines[0]);
  e.station = "Radio\tX\xFF\nY\r";
  e.notes = {"one", "", "two", ""};
  EXPECT_EQ(FormatLogRecord(e), " 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t\t34433\t\tRadio X  Y" + N +
                                    "one" + N + N + "two");
}

TEST(LogRecord, OlderLayoutsAndWideFrequencyUpgrade) {
  struct Case {
    std::string line, upgraded;
  } const kCases[] = {
      {" 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t34433\tR Australia",
       " 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t\t34433\t\tR Australia"},
      {" 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t34433\tR Australia\tgood signal",
       " 9580.00\tkHz\t1430m\t05 Dec 98\tAM\t\t34433\t\tR Australia" + N + "good signal"},
      {"174000.00\tkHz\t1430m\t05 Dec 98\tFM\t\t\t\tWX",
       "174.0000\tMHz\t1430m\t05 Dec 98\tFM\t\t\t\tWX"},
      {"", ""},
      {"garbled\tline", "garbled\tline"},
      {"abc\tkHz\t1\t2\t3\t4\t5\t6\t7", "abc\tkHz\t1\t2\t3\t4\t5\t6\t7"},
  };
  for (const Case& c : kCases) EXPECT_EQ(UpgradeLogLine(c.line), c.upgraded) << c.line;
}

TEST(LogRecord, FrequencyNormalisedPerModelAndUnit) {
  struct Case {
    const char* typed;
    int unit, model;
    const char* text;
    const char* out_unit;
  } const kCases[] = {
      {"9580", kUnitKHz, kModelR8, " 9580.00", "kHz"},
      {"31", kUnitMHz, kModelR8, " 31.0000", "MHz"},
      {"0.5", kUnitMHz, kModelR8, "  500.00", "kHz"},
      {"x", kUnitKHz, kModelR8, "    0.00", "kHz"},
      {"9580", kUnitKHz, kModelR8A, " 9580.00", "kHz"},
      {"9.58", kUnitMHz, kModelR8B, " 9.58000", "MHz"},
      {"50", kUnitMHz, kModelR8A, " 50.0000", "MHz"},
      // The kHz form of a VHF frequency would take 9 characters.
      {"174000", kUnitKHz, kModelR8B, "174.0000", "MHz"},
      {"99999.99", kUnitKHz, kModelR8B, "99999.99", "kHz"},
  };
  for (const Case& c : kCases) {
    const LogFreq f = NormaliseLogFreq(c.typed, c.unit, c.model);
    EXPECT_EQ(f.text, c.text) << c.typed;
    EXPECT_EQ(f.unit, c.out_unit) << c.typed;
  }
}

TEST(LogRecord, Validation) {
  EXPECT_EQ(ValidateLogEntry("9580", 0, kModelR8A), "Please choose kHz or MHz for the frequency.");
  EXPECT_EQ(ValidateLogEntry("", kUnitKHz, kModelR8),
            "The frequency must be a number from 1 kHz to 174 MHz.");
  EXPECT_EQ(ValidateLogEntry("9580", 0, kModelR8), ValidateLogEntry("", kUnitKHz, kModelR8));
  EXPECT_EQ(ValidateLogEntry("174.0001", kUnitMHz, kModelR8B), ValidateLogEntry("", 1, 1));
  EXPECT_EQ(ValidateLogEntry("9580", kUnitKHz, kModelR8B), "");
  EXPECT_EQ(ValidateLogEntry("9.58", 0, kModelR8), "");
}

TEST(LogFile, AddModifyDeleteKeepOtherLinesByteForByte) {
  testing::TempDir dir;
  const LogFile log(dir / "T.LOG");
  std::string error;
  ASSERT_TRUE(log.CreateIfMissing(error));
  const std::string junk = "\x01\x02 not an entry";
  ASSERT_TRUE(
      CommitFiles({{log.path(), junk + "\n\r\n 9580.00\tkHz\t1\t2\t3\t4\t5\t6\t7"}}, error));
  LogEntry e;
  e.freq = "6000.00";
  e.unit = "kHz";
  e.station = "RHC";
  e.notes = {"a", "b"};
  ASSERT_TRUE(log.Append(e, error));
  std::string bytes;
  ReadWholeFile(log.path(), bytes);
  const std::string added = " 6000.00\tkHz\t\t\t\t\t\t\tRHC" + N + "a" + N + "b\r\n";
  EXPECT_EQ(bytes, junk + "\n\r\n 9580.00\tkHz\t1\t2\t3\t4\t5\t6\t7\r\n" + added);
  // A line that is no longer what was shown is not changed.
  EXPECT_FALSE(log.Delete(3, error, std::string("other")));
  EXPECT_FALSE(log.Delete(9, error));
  ASSERT_TRUE(log.Delete(3, error));
  e.notes = {"c"};
  ASSERT_TRUE(log.Replace(3, e, error, added.substr(0, added.size() - 2)));
  ReadWholeFile(log.path(), bytes);
  EXPECT_EQ(bytes, junk + "\n\r\n 6000.00\tkHz\t\t\t\t\t\t\tRHC" + N + "c\r\n");
  ASSERT_TRUE(log.Delete(3, error) && log.Delete(2, error) && log.Delete(1, error));
  ReadWholeFile(log.path(), bytes);
  EXPECT_EQ(bytes, "");
  // A last line ended the Unix way keeps its end.
  ASSERT_TRUE(CommitFiles({{log.path(), "x\n"}}, error) && log.Append(e, error));
  ReadWholeFile(log.path(), bytes);
  EXPECT_EQ(bytes, "x\n" + FormatLogRecord(e) + "\r\n");
  // For the export: every line but blank ones, older entries in the present form.
  ASSERT_TRUE(CommitFiles({{log.path(), "x\n \t\r\n 9580.00\tkHz\t1\t2\t3\t4\t5\r\n"}}, error));
  EXPECT_EQ(log.AllEntryLines(error),
            (std::vector<std::string>{"x", " 9580.00\tkHz\t1\t2\t3\t\t4\t\t5"}));
}

TEST(LogFile, PrefillFromClockAndReceiver) {
  ClockReading utc;
  utc.time4 = "1430";
  utc.day_of_week = 4;
  utc.date = "05 Dec 26";
  RadioState r;
  r.RadioFreq = 174000.0;
  r.BandUnits = BandUnitsCode::kKHz;
  r.Mode = ModeCode::kFm;
  LogPrefill p = PrefillAddEntry(utc, &r, kModelR8B, "");
  EXPECT_EQ(p.entry.time, "1430w");
  EXPECT_EQ(p.entry.date, "05 Dec 26");
  EXPECT_EQ(p.entry.freq + p.entry.unit + p.entry.mode + p.entry.station, "174.0000MHzFM  UnID");
  r.RadioFreq = 9580.0;
  p = PrefillAddEntry(utc, &r, kModelR8, "Radio Australia");
  EXPECT_EQ(p.entry.freq + p.entry.unit + p.entry.station, " 9580.00kHzRadio Australia");
  r.BandUnits = BandUnitsCode::kMHz;  // the R8A/R8B's display unit, not the R8's automatic one
  EXPECT_EQ(PrefillAddEntry(utc, &r, kModelR8A, "").entry.unit, "MHz");
  p = PrefillAddEntry(utc, nullptr, kModelR8A, "");
  EXPECT_EQ(p.entry.freq + p.entry.mode, "");
  EXPECT_EQ(p.unit_choice, 0);
}

}  // namespace
}  // namespace r8
