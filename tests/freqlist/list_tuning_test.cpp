#include <gtest/gtest.h>

#include "app/app_context.h"
#include "faceplate/faceplate_core.h"
#include "freqlist/list_scan.h"
#include "freqlist/list_tuning.h"
#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

// A find line: time range, days, frequency (7 wide) and target code, TAB-separated.
std::string FindLine(const char* freq7, const char* code) {
  return std::string("1400-1500\t smtwhf\t") + freq7 + "\t" + code;
}

TEST(ListTuning, ModesFromNamesAndTextsAndFrequenciesFromRows) {
  const std::vector<std::pair<const char*, std::optional<ModeCode>>> names = {
      {"ARQ", ModeCode::kRtty}, {"AM", ModeCode::kAm},    {"Af", ModeCode::kAm},
      {"CW", ModeCode::kCw},    {"FEC", ModeCode::kRtty}, {"Fax", ModeCode::kFm},
      {"Ff", ModeCode::kFm},    {"LSB", ModeCode::kLsb},  {"RTTY", ModeCode::kRtty},
      {"usb", ModeCode::kUsb},  {"Eu", std::nullopt},     {"", std::nullopt}};
  for (const auto& [text, mode] : names) EXPECT_EQ(ModeFromName(text), mode) << text;

  const ListWindow fl = ListWindow::kFrequencyList;
  EXPECT_EQ(ModeFromText(fl, "Uf"), ModeCode::kUsb);
  EXPECT_EQ(ModeFromText(fl, "Eu"), ModeCode::kAm);
  EXPECT_EQ(ModeFromText(fl, "  "), std::nullopt);
  EXPECT_EQ(ModeFromText(ListWindow::kLogList, "9.5000 \tMHz\t1400\tBBC\tUSB"), ModeCode::kUsb);
  EXPECT_EQ(ModeFromText(ListWindow::kLogList, "9.5000 \tMHz\t1400"), std::nullopt);

  EXPECT_EQ(ListRowFrequency(fl, FindLine(" 9580.0", "Eu")), 9580.0);
  EXPECT_EQ(ListRowFrequency(fl, " Various \t       \t 9580.0\t  "), 9580.0);
  EXPECT_EQ(ListRowFrequency(fl, "BBC heading"), std::nullopt);
  EXPECT_EQ(ListRowFrequency(ListWindow::kLogList, "  9.5000\tMHz\t1400"), 9500.0);
  EXPECT_EQ(ListRowFrequency(ListWindow::kLogList, "  9580.0\tkHz\t1400"), 9580.0);
}

TEST(ListTuning, ARowTunesTheReceiverAndItsCodeSetsTheMode) {
  TestContext t(kModelR8A);
  t.Connect();
  int refreshes = 0;
  const Subscription s =
      t.ctx().commands().Register(AppCommand::kRefresh, [&](int) { ++refreshes; });
  TuneToListRow(t.ctx(), ListWindow::kFrequencyList, FindLine("15400.0", "Uf"), true);
  EXPECT_EQ(t.receiver().shown().freq_10hz, 1540000);
  EXPECT_EQ(t.radio().Mode, ModeCode::kUsb);
  EXPECT_EQ(t.receiver().shown().mode, emulator::Mode::kUsb);
  EXPECT_EQ(refreshes, 1);
  // A usage line leaves the mode; a scanning receiver and a row without a number get nothing.
  TuneToListRow(t.ctx(), ListWindow::kFrequencyList, " Various \t       \t 9580.0\t  ", false);
  EXPECT_EQ(t.radio().Mode, ModeCode::kUsb);
  t.port().ClearLog();
  TuneToListRow(t.ctx(), ListWindow::kFrequencyList, "heading", true);
  t.radio().ScanState = ScanStateCode::kReceiverScan;
  TuneToListRow(t.ctx(), ListWindow::kFrequencyList, FindLine(" 6000.0", "Eu"), true);
  EXPECT_TRUE(t.port().commands().empty());
}

TEST(ListScan, VisitsTheSelectedRowsDownTheListAndEndsBelowTwo) {
  std::vector<bool> selected(9, false);
  selected[2] = selected[5] = selected[7] = true;
  TestContext t(kModelR8A);
  t.ctx().settings().scan_type = kScanTypeCarr;
  t.Connect();
  FacePlateCore core(t.ctx());
  t.ctx().control().TuneRadio(6100);  // away from every carrier: "Carr" never holds
  core.UpdateDisplay();
  std::vector<std::string> rows(9);
  for (int i = 0; i < 9; ++i) rows[static_cast<std::size_t>(i)] = FindLine(" 6100.0", "Eu");
  rows[2] = FindLine(" 6020.0", "Eu");
  ListScan scan(t.ctx());
  ASSERT_TRUE(scan.StartOrStop(selected, 5));
  EXPECT_TRUE(t.ctx().scan().active);
  std::vector<int> visited;
  for (int i = 0; i < 4; ++i) visited.push_back(scan.Step(selected, rows).value_or(-1));
  EXPECT_EQ(visited, (std::vector<int>{7, 2, 5, 7}));
  EXPECT_EQ(t.receiver().shown().freq_10hz, 610000);
  selected[2] = selected[5] = false;
  EXPECT_EQ(scan.Step(selected, rows), std::nullopt);
  EXPECT_FALSE(t.ctx().scan().active);
  EXPECT_FALSE(scan.StartOrStop(selected, 7));  // one row: nothing starts
  EXPECT_EQ(NextSelectedRow(3, std::vector<bool>(4, false)), std::nullopt);
  EXPECT_EQ(NextSelectedRow(2, {false, false, true, false}), 2);  // round to itself
}

}  // namespace
}  // namespace r8
