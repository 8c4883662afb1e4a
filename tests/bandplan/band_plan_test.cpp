#include "bandplan/band_plan.h"

#include <algorithm>
#include <functional>
#include <map>

#include <gtest/gtest.h>

#include "app/app_context.h"
#include "faceplate/faceplate_core.h"
#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::TestContext;

TEST(BandTable, LabelsFollowTheLastBandThatHoldsTheFrequency) {
  constexpr auto kKHz = BandUnitsCode::kKHz;
  constexpr auto kMHz = BandUnitsCode::kMHz;
  struct Case {
    const char* text;
    BandUnitsCode units;
    bool on;
    const char* label;
  };
  const Case cases[] = {
      {" 9500.00", kKHz, true, " 31m"},  {"10100.00", kKHz, true, " SW "},
      {" 2192.00", kKHz, true, " Mar"},  {"29999.00", kKHz, true, " 10m"},
      {"30000.00", kKHz, true, " SW "},  {"  150.00", kKHz, true, " LW "},
      {"  149.99", kKHz, true, " SW "},  {"  280.00", kKHz, true, " Nav"},
      {" 2195.00", kKHz, true, " SW "},  {" 3950.00", kKHz, true, " 75m"},
      {" 3899.99", kKHz, true, " 80m"},  {" 7150.00", kKHz, true, " 41m"},
      {" 7050.00", kKHz, true, " 40m"},  {" 4720.00", kKHz, true, " 60m"},
      {" 6210.00", kKHz, true, " Mar"},  {"17910.00", kKHz, true, "Aero"},
      {"21450.00", kKHz, true, " 13m"},  {"27000.00", kKHz, true, " CB "},
      {"45.00000", kMHz, true, " VHF"},  {" 9.50000", kMHz, true, " 31m"},
      {"30.00000", kMHz, true, " SW "},  {"30.00100", kMHz, true, " VHF"},
      {"45000.00", kKHz, true, " VHF"},  {" 9500.00", kKHz, false, "    "},
      {"O  F  F ", kKHz, true, "    "},  {"", kKHz, true, "    "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BandLabelOf(c.text, c.on, c.units), c.label) << '"' << c.text << '"';
  }
}

TEST(BandTable, HoldsTheBandsInOrderOnTwoPages) {
  const auto& table = BandTable();
  std::map<char, int> types;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const BandRow& row = table[i];
    EXPECT_EQ(row.name.size(), 4u) << i;
    EXPECT_LT(row.lower, row.upper) << i;
    EXPECT_GE(row.lower, 150) << i;
    EXPECT_LE(row.upper, 29999) << i;
    if (i > 0) {
      EXPECT_LE(table[i - 1].lower, row.lower) << i;
    }
    ++types[row.type];
  }
  EXPECT_EQ(types, (std::map<char, int>{
                       {'A', 6}, {'B', 16}, {'C', 1}, {'E', 11}, {'L', 2}, {'M', 9}, {'N', 2}, {'R', 1}}));
  const std::vector<int> broadcast = BandPageRows(0);
  const std::vector<int> utility = BandPageRows(1);
  ASSERT_EQ(broadcast.size(), 22u);
  ASSERT_EQ(utility.size(), 26u);
  EXPECT_EQ(broadcast.front(), 0);
  EXPECT_EQ(utility.front(), 1);
  EXPECT_EQ(broadcast.back(), 47);
  EXPECT_TRUE(std::is_sorted(utility.begin(), utility.end()));
  EXPECT_EQ(BandCells(table[24]), (std::array<std::string, 4>{" 31m", " 9300", "10055", "B"}));
  EXPECT_EQ(BandStatusText(table[0], 0), "Double-click to scan the LW bc band");
  EXPECT_EQ(BandStatusText(table[2], 3), "Double-click to tune the AM bc band");
  EXPECT_EQ(BandStatusText(table[17], 1), "Double-click to tune the 49m band");
}

class BandClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core = std::make_unique<FacePlateCore>(t.ctx());
    scan_button = t.ctx().commands().Register(AppCommand::kScanButton, [this](int) { ++scans; });
    t.Connect();
    core->UpdateDisplay();
    t.port().ClearLog();
  }
  const BandRow& band49 = BandTable()[17];
  TestContext t{kModelR8A};
  std::unique_ptr<FacePlateCore> core;
  Subscription scan_button;
  int scans = 0;
};

TEST_F(BandClickTest, AnEdgeTunesThatEdge) {
  EXPECT_EQ(BandLstDblClick(t.ctx(), band49, 1), BandClick::kTuned);
  EXPECT_EQ(t.port().commands(), (std::vector<std::string>{"F0570000\r", "RA\r"}));
  EXPECT_EQ(BandLstDblClick(t.ctx(), band49, 2), BandClick::kTuned);
  EXPECT_EQ(t.receiver().shown().freq_10hz, 625000);
  EXPECT_EQ(scans, 0);
}

TEST_F(BandClickTest, TheNameOrTypeScansFromTheLowerEdgeInAToTheUpperInB) {
  for (const int column : {0, 3}) {
    // Started on VFO B, the band still goes lower edge to A.
    core->VFOEqBtnClick();
    t.ctx().commands().Post(AppCommand::kVfoSwitch);
    ASSERT_EQ(t.radio().VFO, VfoCode::kB);
    t.ctx().settings().scan_mode = 1;
    t.ctx().settings().scan_type = 1;
    EXPECT_EQ(BandLstDblClick(t.ctx(), band49, column), BandClick::kScanned);
    const emulator::ReceiverState& rx = t.receiver().state();
    EXPECT_EQ(rx.vfo[0].freq_10hz, 570000);
    EXPECT_EQ(rx.vfo[1].freq_10hz, 625000);
    EXPECT_EQ(rx.active_vfo, emulator::Vfo::kA);
    EXPECT_EQ(t.ctx().settings().scan_mode, 3);
    EXPECT_EQ(t.ctx().settings().scan_type, 2);
  }
  EXPECT_EQ(scans, 2);
}

TEST_F(BandClickTest, NothingHappensWhileOffOrScanningOrOutsideTheColumns) {
  const std::function<void()> states[] = {
      [this] { t.radio().PowerOn = false; },
      [this] { t.radio().ScanState = ScanStateCode::kReceiverScan; },
      [this] { t.ctx().scan().active = true; },
  };
  for (const auto& set : states) {
    core->UpdateDisplay();
    t.ctx().scan().active = false;
    set();
    t.port().ClearLog();
    for (int column = 0; column < 4; ++column)
      EXPECT_EQ(BandLstDblClick(t.ctx(), band49, column), BandClick::kIgnored);
  }
  core->UpdateDisplay();
  t.ctx().scan().active = false;
  t.port().ClearLog();
  EXPECT_EQ(BandLstDblClick(t.ctx(), band49, 4), BandClick::kIgnored);
  EXPECT_EQ(BandLstDblClick(t.ctx(), band49, -1), BandClick::kIgnored);
  EXPECT_TRUE(t.port().commands().empty());
  EXPECT_EQ(scans, 0);
}

// The columns keep four characters of name, five digits per edge and the type letter readable,
// with room for a scroll bar, at every resolution.
TEST(BandPlanGeometry, TheFieldsFitTheFixedWidth) {
  for (const int ppi : {72, 96, 120, 144, 192}) {
    const BandPlanGeometry g = BandPlanGeometryFor(ppi);
    const int scroll_bar_and_frame = ppi / 5;
    EXPECT_LE(g.columns[0] + g.columns[1] + g.columns[2] + g.columns[3] + scroll_bar_and_frame,
              g.width)
        << ppi;
    const double char_width = ppi * 0.075;  // a digit of a 9-point font, with room to spare
    EXPECT_GE(g.columns[0], 4 * char_width) << ppi;
    EXPECT_GE(g.columns[1], 5 * char_width) << ppi;
    EXPECT_EQ(g.columns[1], g.columns[2]) << ppi;
    EXPECT_GE(g.columns[3], 2 * char_width) << ppi;
  }
  EXPECT_EQ(BandPlanGeometryFor(96).width, 204);
  EXPECT_EQ(BandPlanGeometryFor(96).row_height, 16);
}

TEST(BandPlanGeometry, TheStoredHeightIsKeptWithinUsableBounds) {
  struct Case {
    std::optional<int> stored;
    int ppi, screen, height;
  };
  const Case cases[] = {{std::nullopt, 96, 768, 197}, {std::nullopt, 120, 768, 246},
                        {300, 96, 768, 300},          {0, 96, 768, 197},
                        {-5, 96, 768, 197},           {20, 96, 768, 96},
                        {5000, 96, 768, 768},         {5000, 96, 10, 96}};
  for (const Case& c : cases)
    EXPECT_EQ(BandPlanHeight(c.stored, c.ppi, c.screen), c.height) << c.stored.value_or(-99);
}

TEST(BandPlanGeometry, TheSizeGoesToTheSettingsFile) {
  TestContext t;
  ProfileFile& f = t.ctx().profile();
  EXPECT_EQ(ReadBandPlanHeight(f), std::nullopt);
  ASSERT_TRUE(WriteBandPlanSize(f, 204, 310));
  EXPECT_EQ(f.ReadString("WINDOWS", "BANDPLANX", ""), "204");
  EXPECT_EQ(ReadBandPlanHeight(f), 310);
  f.WriteString("WINDOWS", "BANDPLANY", "tall");
  EXPECT_EQ(ReadBandPlanHeight(f), std::nullopt);
}

}  // namespace
}  // namespace r8
