#include <gtest/gtest.h>

#include "app/app_context.h"
#include "common/file_commit.h"
#include "emulator/signal_band.h"
#include "memory/memory_commands.h"
#include "memory/memory_document.h"
#include "memory/memory_line.h"
#include "radio/radio_model.h"
#include "radio/status_line.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

// Lines as each model writes them, read and written back byte for byte.
TEST(MemoryLine, EveryFormReadAndWrittenBack) {
  struct Row {
    int model;
    std::string line;
    double khz;
    int mode;
    bool sync;
    std::string notes;
  };
  const Row rows[] = {
      {kModelR8, "*07 20:<8   9.58000*MHz", 9580.0, kModeAm, false, ""},
      {kModelR8, "*99 00608  50.00000*MHz", 50000.0, kModeFm, false, ""},
      {kModelR8A, "*123 ?:9:<  15400.00*KHz\tBBC WS", 15400.0, kModeCw, true, "BBC WS"},
      {kModelR8B, "*999 6402=   7.23500*MHz\tLSB net", 7235.0, kModeLsb, true, "LSB net"},
      {kModelR8B, "*000 204<9 118.00000*MHz", 118000.0, kModeUsb, false, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.line);
    const LineReading r = ReadMemoryLine(row.line);
    ASSERT_TRUE(r.line) << r.problem;
    EXPECT_DOUBLE_EQ(r.line->freq_khz, row.khz);
    EXPECT_EQ(r.line->settings.mode, row.mode);
    EXPECT_EQ(r.line->settings.sync, row.sync);
    EXPECT_EQ(r.line->notes, row.notes);
    EXPECT_EQ(CreateTuneString(*r.line, row.model), row.line);
    // The status poll reads the same line alike, and never as a receiver that scans.
    RadioState s;
    s.ScanState = ScanStateCode::kReceiverScan;
    ParseRadioStatus(row.line, s);
    EXPECT_EQ(s.ScanState, ScanStateCode::kIdle);
    EXPECT_EQ(s.VFO, VfoCode::kA);
    EXPECT_EQ(s.Sync, row.sync);
    EXPECT_EQ(CodeNumber(s.Mode), row.mode);
  }
}

TEST(MemoryLine, FifthCharacterGivesOnlyTheSynchro) {
  // ':' and ';' (VFO A and scan bits, as older files and receivers write them) carry no setting.
  for (const auto& [c5, sync] : {std::pair{':', false}, {'>', true}, {'0', false}, {'4', true}}) {
    std::string line = "*012 20:<8   9.58000*MHz";
    line[9] = c5;
    const LineReading r = ReadMemoryLine(line);
    ASSERT_TRUE(r.line);
    EXPECT_EQ(r.line->settings.sync, sync) << c5;
  }
}

TEST(MemoryLine, UnlistedBitPatternsKeepThePreviousSetting) {
  MemorySettings s;
  s.blanker = 2;
  s.agc = 1;
  s.rf = 2;
  s.antenna = 0;
  s.mode = kModeCw;
  s.bandwidth = 3;
  // Blanker 10, AGC 01, RF 11, antenna 11, mode key 3, bandwidth 7.
  DecodeStatusCodes("9<?78", s);
  EXPECT_EQ(s.blanker, 2);
  EXPECT_EQ(s.agc, 1);
  EXPECT_EQ(s.rf, 2);
  EXPECT_EQ(s.antenna, 0);
  EXPECT_EQ(s.mode, kModeCw);
  EXPECT_EQ(s.bandwidth, 3);
}

TEST(MemoryLine, DisplayLines) {
  const std::pair<std::string, std::string> rows[] = {
      {"*07 20:<8   9.58000*MHz", "\t07\t 9580.00\tkHz\t2\tOff\tFast\t6.0\tAM  \tOff \t-\t-"},
      {"*09 00608  50.00000*MHz", "\t09\t 50.0000\tMHz\tC\tOff\t -  \t12.\tFM  \t -  \t-\t-"},
      {" ", "\t03\t<none>"},
  };
  int channel[] = {7, 9, 3};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(MemDisplayLine(channel[i], rows[i].first, kModelR8), rows[i].second);
  }
  EXPECT_EQ(MemDisplayLine(5, "*005 ?:9:<  15400.00*KHz\tBBC", kModelR8B),
            "\t005\t15400.00\tkHz\t2\tPre\tSlow\t2.3\tCW  \tWide\tX\tX\tBBC");
  EXPECT_EQ(MemDisplayLine(5, "*005 20:<9   7.23500*MHz", kModelR8B).substr(0, 17),
            "\t005\t 7.23500\tMHz");
  // From 30 MHz up the list shows four decimals.
  EXPECT_EQ(MemDisplayLine(5, "*005 20:<9  30.00000*MHz", kModelR8B).substr(0, 17),
            "\t005\t 30.0000\tMHz");
}

// Bad files: what is read, what is reported; nothing unreadable lands in the table.
TEST(MemFile, BadLinesAreLeftOutAndReported) {
  const std::string good = "*007 20:<8   9.58000*MHz";
  struct Row {
    std::string name;
    std::string bytes;
    int stored;
    int problems;
  };
  const Row rows[] = {
      {"good", ";c\r\n" + good + "\r\n", 1, 0},
      {"short", "*007 20:<8   9.58\r\n", 0, 1},
      {"long", good + "\t" + std::string(300, 'x') + "\r\n", 0, 1},
      {"cut", good + "\t" + std::string(80, 'x') + "\r\n", 1, 1},
      {"bad channel", "*0x7 20:<8   9.58000*MHz\r\n*-07 20:<8   9.58000*MHz\r\n", 0, 2},
      {"duplicate", good + "\r\n" + good + "\r\n", 1, 1},
      {"binary", std::string("*007 20:<8 \0\x01 9.58000*MHz\r\n", 27), 0, 1},
      {"no frequency", "*007 20:<8   abcdefg*MHz\r\n", 0, 1},
      {"exponent", "*007 20:<8   9.58e00*MHz\r\n", 0, 1},
      {"untunable", "*007 20:<8  32.00000*MHz\r\n", 0, 1},
      {"bad unit", "*007 20:<8   9.58000*XHz\r\n", 0, 1},
      {"bad code", "*007 2A:<8   9.58000*MHz\r\n", 0, 1},
  };
  for (const Row& row : rows) {
    MemoryDocument doc;
    const MemFileReading r = ReadMemFile(row.bytes, doc);
    EXPECT_EQ(r.lines_stored, row.stored) << row.name;
    EXPECT_EQ(r.problem_count, row.problems) << row.name;
    int occupied = 0;
    for (int c = 0; c < kMemorySlots; ++c) occupied += doc.Occupied(c) ? 1 : 0;
    EXPECT_EQ(occupied, row.stored) << row.name;
  }
}

TEST(MemFile, CommentsSlotsBeyondTheModelAndWriting) {
  MemoryDocument doc;
  ReadMemFile(
      ";first\r\n;second\n*50 20:<8   9.58000*MHz\r\n*150 20:<8   9.58000*MHz\r\n"
      "*03 20:<8   6.00000*MHz\r\n",
      doc);
  EXPECT_EQ(doc.comment, "second");
  EXPECT_TRUE(doc.Occupied(150));  // kept, though an R8 has 100 channels
  EXPECT_EQ(FormatMemFile(doc, kModelR8),
            ";second\r\n*03 20:<8   6.00000*MHz\r\n*50 20:<8   9.58000*MHz\r\n");
  MemoryDocument empty;
  EXPECT_EQ(FormatMemFile(empty, kModelR8B), ";\r\n");
}

TEST(MemFile, OpenWithBadLinesWarnsAndLeavesTheFileAlone) {
  TestContext t(kModelR8B);
  const std::string bytes = ";x\r\n*007 20:<8   9.58000*MHz\r\n*008 20:<8 \x01\x02\r\n";
  const auto file = t.dir() / "BAD.MEM";
  std::string error;
  ASSERT_TRUE(CommitFiles({{file, bytes}}, error));
  t.prompts().QueueFile(file.string());
  ASSERT_TRUE(MemoryOpen(t.ctx(), true));
  ASSERT_EQ(t.prompts().messages.size(), 1u);
  EXPECT_EQ(t.prompts().messages[0].text,
            "BAD.MEM: 1 line was left out or changed:\rline 3: holds binary bytes");
  EXPECT_TRUE(t.ctx().memory().Occupied(7));
  EXPECT_FALSE(t.ctx().memory().Occupied(8));
  EXPECT_EQ(t.ctx().memory().modified, 0);
  EXPECT_FALSE(MemorySave(t.ctx()));
  std::string after;
  ASSERT_TRUE(ReadWholeFile(file, after));
  EXPECT_EQ(after, bytes);
  // The loaded file is what a list scan visits.
  ASSERT_TRUE(t.ctx().scan().channel_occupied);
  EXPECT_TRUE(t.ctx().scan().channel_occupied(7));
  EXPECT_FALSE(t.ctx().scan().channel_occupied(8));
  // A file that is not there is told and opens nothing.
  t.prompts().QueueFile((t.dir() / "NONE.MEM").string());
  EXPECT_FALSE(MemoryOpen(t.ctx(), true));
  EXPECT_TRUE(t.prompts().messages.back().text.ends_with("NONE.MEM could not be read."));
  EXPECT_TRUE(t.ctx().memory().Occupied(7));
  ASSERT_TRUE(MemoryNew(t.ctx()));
  EXPECT_FALSE(t.ctx().scan().channel_occupied);
}

TEST(MemFile, SaveWritesOnlyChangesAndSaveAsAlways) {
  TestContext t(kModelR8);
  MemoryDocument& doc = t.ctx().memory();
  doc.SetSlot(3, "*03 20:<8   6.00000*MHz");
  doc.modified = 1;
  t.prompts().QueueFileCancel();
  EXPECT_FALSE(MemorySave(t.ctx()));  // untitled and the name was not given
  EXPECT_EQ(doc.file_name, "<Untitled>");
  const auto file = t.dir() / "A.MEM";
  t.prompts().QueueFile(file.string());
  int changes = 0;  // the windows show the new name and the cleared flag
  const Subscription follow = t.ctx().events().memory_table_changed.Subscribe([&] { ++changes; });
  EXPECT_TRUE(MemorySave(t.ctx()));
  EXPECT_EQ(doc.modified, 0);
  EXPECT_EQ(changes, 1);
  std::filesystem::remove(file);
  EXPECT_FALSE(MemorySave(t.ctx()));  // unchanged: nothing written
  EXPECT_FALSE(std::filesystem::exists(file));
  t.prompts().QueueFile(file.string());
  EXPECT_TRUE(MemorySaveAs(t.ctx()));
  EXPECT_FALSE(t.prompts().file_requests.back().for_open);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  EXPECT_EQ(bytes, ";\r\n*03 20:<8   6.00000*MHz\r\n");
  // A changed table asks before it is cleared; Cancel keeps it.
  doc.modified = 1;
  doc.comment = "dx";
  EXPECT_EQ(MemTitle(doc), "Memories - [A.MEM]* - dx");
  t.prompts().QueueAnswer(Answer::kCancel);
  EXPECT_FALSE(MemoryNew(t.ctx()));
  EXPECT_TRUE(doc.Occupied(3));
}

TEST(MemFile, DemoChannelsAreOnTheEmulatorsCarriers) {
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(std::filesystem::path(R8_DATA_DIR) / "demo" / "DEMO.MEM", bytes));
  MemoryDocument doc;
  const MemFileReading r = ReadMemFile(bytes, doc);
  EXPECT_EQ(r.problem_count, 0);
  EXPECT_GE(r.lines_stored, 15);
  for (int c = 0; c < kMemorySlots; ++c) {
    if (!doc.Occupied(c)) continue;
    const double khz = ReadMemoryLine(doc.slot(c)).line->freq_khz;
    const auto& carriers = emulator::Carriers();
    EXPECT_TRUE(std::any_of(carriers.begin(), carriers.end(), [&](const emulator::Carrier& k) {
      return k.freq_10hz == static_cast<std::int32_t>(khz * 100 + 0.5);
    })) << khz;
  }
}

}  // namespace
}  // namespace r8
