#include <gtest/gtest.h>

#include <array>

#include "app/app_context.h"
#include "memory/memory_edit.h"
#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8 {
namespace {

MemorySettings S(int antenna, int rf, int agc, int bw, int mode, int blanker, int notch,
                 bool sync) {
  return MemorySettings{antenna, rf, agc, bw, mode, blanker, notch, sync};
}

// SetDisplay's dependency table: model, frequency and choices in; settings and enabling out.
TEST(MemEdit, DependencyRules) {
  struct Row {
    const char* name;
    int model;
    double khz;
    MemorySettings in, out;
    SettingsEnabled enabled;
  };
  const SettingsEnabled all;
  SettingsEnabled fm = all;
  fm.bandwidth = fm.agc = fm.notch = fm.blanker = fm.sync = false;
  SettingsEnabled no_sync = all;
  no_sync.sync = false;
  SettingsEnabled converter = all;
  converter.rf = false;
  const Row rows[] = {
      {"AM kept", kModelR8A, 9580, S(1, 2, 1, 2, kModeAm, 1, 2, true),
       S(1, 2, 1, 2, kModeAm, 1, 2, true), all},
      {"FM blanks", kModelR8A, 9580, S(1, 1, 1, 2, kModeFm, 1, 2, true),
       S(1, 1, kBlankAgc, kBw12, kModeFm, kBlankBlanker, kNotchOff, false), fm},
      {"AM again restores", kModelR8A, 9580,
       S(1, 1, kBlankAgc, kBw12, kModeAm, kBlankBlanker, 1, 0),
       S(1, 1, kAgcFast, kBw6_0, kModeAm, 0, 1, false), all},
      {"VHF takes C", kModelR8B, 50000, S(0, 2, 2, 1, kModeAm, 0, 1, false),
       S(kAntennaC, kBlankRf, 2, 1, kModeAm, 0, 1, false), converter},
      {"HF leaves C", kModelR8B, 7000, S(kAntennaC, kBlankRf, 2, 1, kModeAm, 0, 1, false),
       S(0, kRfOff, 2, 1, kModeAm, 0, 1, false), all},
      {"R8 no preamp low", kModelR8, 1500, S(1, kRfPre, 2, 1, kModeAm, 0, 1, false),
       S(1, kRfOff, 2, 1, kModeAm, 0, 1, false), all},
      {"R8A preamp low", kModelR8A, 1500, S(1, kRfPre, 2, 1, kModeAm, 0, 1, false),
       S(1, kRfPre, 2, 1, kModeAm, 0, 1, false), all},
      {"R8 preamp above 1800", kModelR8, 1800.5, S(1, kRfPre, 2, 1, kModeAm, 0, 1, false),
       S(1, kRfPre, 2, 1, kModeAm, 0, 1, false), all},
      {"R8A sideband no sync", kModelR8A, 7000, S(1, 1, 2, 3, kModeUsb, 0, 1, true),
       S(1, 1, 2, 3, kModeUsb, 0, 1, false), no_sync},
      {"R8B sideband sync", kModelR8B, 7000, S(1, 1, 2, 3, kModeLsb, 0, 1, true),
       S(1, 1, 2, 3, kModeLsb, 0, 1, true), all},
      {"R8B CW no sync", kModelR8B, 7000, S(1, 1, 2, 5, kModeCw, 0, 1, true),
       S(1, 1, 2, 5, kModeCw, 0, 1, false), no_sync},
  };
  for (const Row& row : rows) {
    MemorySettings s = row.in;
    const SettingsEnabled e = SetDisplay(s, row.khz, row.model, 0);
    EXPECT_EQ(s, row.out) << row.name;
    EXPECT_EQ(e, row.enabled) << row.name;
  }
}

TEST(MemEdit, WhatEachModeLetsTheUserChange) {
  struct Row {
    EditAction action;
    const char* caption;
    bool channel, frequency, add, fill, settings;
  };
  const Row rows[] = {
      {EditAction::kInsert, "Insert Memory Channel - [A.MEM]", true, false, true, false, false},
      {EditAction::kModify, "Modify Memory Channel - [A.MEM]", false, true, false, true, true},
      {EditAction::kMove, "Move Memory Channel - [A.MEM]", true, true, true, true, true},
  };
  for (const Row& r : rows) {
    const EditFormView v = ComputeEditForm(r.action, "/x/A.MEM");
    EXPECT_EQ(v.caption, r.caption);
    EXPECT_EQ((std::array<bool, 5>{v.channel_enabled, v.frequency_enabled, v.add_enabled,
                                   v.fill_enabled, v.settings_enabled}),
              (std::array<bool, 5>{r.channel, r.frequency, r.add, r.fill, r.settings}))
        << r.caption;
  }
}

TEST(MemEdit, BlankAndTwelveCannotBeChosen) {
  MemorySettings s;
  EXPECT_FALSE(ChooseItem(s, SettingList::kBandwidth, kBw12));
  EXPECT_FALSE(ChooseItem(s, SettingList::kBandwidth, kBlankBandwidth));
  EXPECT_FALSE(ChooseItem(s, SettingList::kRf, kBlankRf));
  EXPECT_EQ(s, MemorySettings{});
  EXPECT_TRUE(ChooseItem(s, SettingList::kMode, kModeUsb));
  EXPECT_EQ(s.mode, kModeUsb);
}

TEST(MemEdit, FrequencyRanges) {
  const std::tuple<const char*, int, bool> rows[] = {
      {"30000", kUnitKHz, true},  {"30000.01", kUnitKHz, false}, {"34999", kUnitKHz, false},
      {"174000", kUnitKHz, true}, {"35000", kUnitKHz, true},     {"99.99", kUnitKHz, false},
      {"0.1", kUnitMHz, true},    {"145.5", kUnitMHz, true},     {"56", kUnitMHz, false},
      {"x", kUnitKHz, false},
  };
  for (const auto& [text, unit, ok] : rows) {
    EXPECT_EQ(CheckFrequency(text, unit).khz.has_value(), ok) << text;
  }
  EXPECT_EQ(CheckFrequency(" 56 ", kUnitMHz).error,
            "ERROR: Illegal frequency.\r\rYour radio does not tune to 56 MHz.");
}

// A move clears its source only when the line was stored elsewhere; without "add" nothing changes.
TEST(MemEdit, ApplyEditStoresAndMoves) {
  testing::TestContext t(kModelR8);
  t.Connect();
  MemoryDocument& doc = t.ctx().memory();
  doc.SetSlot(4, "*04 20:<8   9.58000*MHz");
  MemEditRecord rec = OpenForEdit(t.ctx(), EditAction::kMove, 4);
  rec.line.channel = 9;
  rec.add = false;
  ApplyEdit(t.ctx(), rec, 4);
  EXPECT_TRUE(doc.Occupied(4));
  EXPECT_FALSE(doc.Occupied(9));
  EXPECT_EQ(doc.modified, 0);
  EXPECT_FALSE(t.receiver().channel(9).stored);
  rec.add = true;
  ApplyEdit(t.ctx(), rec, 4);
  EXPECT_FALSE(doc.Occupied(4));
  EXPECT_EQ(doc.slot(9), "*09 20:<8   9.58000*MHz");
  EXPECT_EQ(doc.modified, 1);
  // Asked to fill, the receiver's channel is written too while the port is open.
  rec.fill = true;
  rec.line.channel = 12;
  ApplyEdit(t.ctx(), rec, 9);
  EXPECT_TRUE(t.receiver().channel(12).stored);
}

// A frequency-list row: time, days, frequency (characters 19-25), code (27-28).
std::string Row(const char* khz, const char* code) {
  return std::string("0000-2400\tsmtwhfa\t") + khz + "\t" + code;
}

TEST(MemDrop, RowModes) {
  struct Case {
    const char* code;
    int mode;
    int bandwidth;
  };
  // Each row follows the one before: two blanks keep the mode, the same mode keeps the filter.
  const Case cases[] = {{"CF", kModeCw, 5},   {"  ", kModeCw, 5},  {"UF", kModeUsb, 3},
                        {"lf", kModeAm, 1},   {"EU", kModeAm, 1},  {"FF", kModeFm, kBw12},
                        {"RF", kModeRtty, 3}, {"LF", kModeLsb, 3}, {"Xf", kModeAm, 1}};
  MemEditRecord rec;
  rec.line.settings.bandwidth = 2;
  for (const Case& c : cases) {
    ASSERT_TRUE(ReadDropRow(Row("15400.0", c.code), rec));
    EXPECT_EQ(rec.line.settings.mode, c.mode) << c.code;
    EXPECT_EQ(rec.line.settings.bandwidth, c.bandwidth) << c.code;
  }
  EXPECT_DOUBLE_EQ(rec.line.freq_khz, 15400.0);
  EXPECT_FALSE(ReadDropRow(Row(" abc   ", "  "), rec));
  EXPECT_FALSE(ReadDropRow("0000-2400\tsmtwhfa\t958", rec));  // cut short
}

TEST(MemDrop, RowsTakeTheFirstRowsSettingsAndStopAtTheLastChannel) {
  testing::TestContext t(kModelR8B);
  t.Connect();
  int asked = 0;
  const int stored =
      DropFreqInsert(t.ctx(), {Row("  120.0", "  "), Row(" 9580.0", "UF"), Row("  130.0", "  ")},
                     " BBC ", [&](MemEditRecord& rec) {
                       ++asked;
                       rec.line.channel = 998;
                       rec.line.settings.agc = 1;
                       rec.line.settings.sync = true;
                       return true;
                     });
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(stored, 2);
  const MemoryDocument& doc = t.ctx().memory();
  const MemoryLine a = *ReadMemoryLine(doc.slot(998)).line;
  const MemoryLine b = *ReadMemoryLine(doc.slot(999)).line;
  EXPECT_EQ(a.notes, "BBC");
  EXPECT_TRUE(a.settings.sync);
  EXPECT_EQ(b.settings.mode, kModeUsb);
  EXPECT_EQ(b.settings.agc, 1);
  EXPECT_FALSE(b.settings.sync);
  EXPECT_DOUBLE_EQ(b.freq_khz, 9580.0);
  EXPECT_TRUE(t.receiver().channel(999).stored);
  EXPECT_EQ(t.receiver().state().active_vfo, emulator::Vfo::kA);
  // Cancel on the first row stores nothing.
  EXPECT_EQ(
      DropFreqInsert(t.ctx(), {Row(" 6000.0", "  ")}, "", [](MemEditRecord&) { return false; }), 0);
  EXPECT_FALSE(doc.Occupied(0));
}

}  // namespace
}  // namespace r8
