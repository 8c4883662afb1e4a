#include "bandplan/band_plan.h"

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
  const struct {
    const char* text;
    BandUnitsCode units;
    bool on;
    const char* label;
  } cases[] = {
      {" 9500.00", kKHz, true, " 31m"}, {"10100.00", kKHz, true, " SW "},
      {" 2192.00", kKHz, true, " Mar"}, {"29999.00", kKHz, true, " 10m"},
      {"30000.00", kKHz, true, " SW "}, {"  150.00", kKHz, true, " LW "},
      {"  149.99", kKHz, true, " SW "}, {"  280.00", kKHz, true, " Nav"},
      {" 3950.00", kKHz, true, " 75m"}, {" 3899.99", kKHz, true, " 80m"},
      {" 7150.00", kKHz, true, " 41m"}, {" 4720.00", kKHz, true, " 60m"},
      {" 6210.00", kKHz, true, " Mar"}, {"17910.00", kKHz, true, "Aero"},
      {"45.00000", kMHz, true, " VHF"}, {" 9.50000", kMHz, true, " 31m"},
      {"30.00000", kMHz, true, " SW "}, {"45000.00", kKHz, true, " VHF"},
      {" 9500.00", kKHz, false, "    "}, {"O  F  F ", kKHz, true, "    "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(BandLabelOf(c.text, c.on, c.units), c.label) << '"' << c.text << '"';
}

TEST(BandTable, HoldsTheBandsInOrderOnTwoPages) {
  const auto& table = BandTable();
  std::map<char, int> types;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const BandRow& row = table[i];
    EXPECT_EQ(row.name.size(), 4u) << i;
    EXPECT_TRUE(150 <= row.lower && row.lower < row.upper && row.upper <= 29999) << i;
    EXPECT_TRUE(i == 0 || table[i - 1].lower <= row.lower) << i;
    ++types[row.type];
  }
  EXPECT_EQ(types, (std::map<char, int>{{'A', 6}, {'B', 16}, {'C', 1}, {'E', 11}, {'L', 2},
                                        {'M', 9}, {'N', 2}, {'R', 1}}));
  EXPECT_EQ(BandPageRows(0).size(), 22u);
  EXPECT_EQ(BandPageRows(1).size(), 26u);
  EXPECT_EQ(BandCells(table[24]), (std::array<std::string, 4>{" 31m", " 9300", "10055", "B"}));
  EXPECT_EQ(BandStatusText(table[0], 0), "Double-click to scan the LW bc band");
  EXPECT_EQ(BandStatusText(table[2], 3), "Double-click to tune the AM bc band");
}

class BandClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.Connect();
    core.UpdateDisplay();
    t.port().ClearLog();
  }
  const BandRow& band49 = BandTable()[17];
  TestContext t{kModelR8A};
  FacePlateCore core{t.ctx()};
  int scans = 0;
  Subscription scan_button =
      t.ctx().commands().Register(AppCommand::kScanButton, [this](int) { ++scans; });
};

TEST_F(BandClickTest, AnEdgeTunesThatEdgeAndTheNameScansFromAToB) {
  EXPECT_EQ(BandLstDblClick(t.ctx(), band49, 1), BandClick::kTuned);
  EXPECT_EQ(t.port().commands(), (std::vector<std::string>{"F0570000\r", "RA\r"}));
  EXPECT_EQ(BandLstDblClick(t.ctx(), band49, 2), BandClick::kTuned);
  EXPECT_EQ(t.receiver().shown().freq_10hz, 625000);
  EXPECT_EQ(scans, 0);
  for (const int column : {0, 3}) {
    // Started on VFO B, the lower edge still goes to A.
    t.ctx().commands().Post(AppCommand::kVfoSwitch);
    t.ctx().settings().scan_mode = t.ctx().settings().scan_type = 1;
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
  for (int state = 0; state < 4; ++state) {
    core.UpdateDisplay();
    t.radio().PowerOn = state != 0;
    if (state == 1) t.radio().ScanState = ScanStateCode::kReceiverScan;
    t.ctx().scan().active = state == 2;
    t.port().ClearLog();
    for (const int column : state < 3 ? std::vector<int>{0, 1, 2, 3} : std::vector<int>{-1, 4})
      EXPECT_EQ(BandLstDblClick(t.ctx(), band49, column), BandClick::kIgnored) << state;
    EXPECT_TRUE(t.port().commands().empty()) << state;
  }
  EXPECT_EQ(scans, 0);
}

// Four characters of name, five digits per edge and the type letter stay readable, with room for
// a scroll bar, at every resolution; the stored height is kept within usable bounds.
TEST(BandPlanGeometry, TheFieldsFitAndTheHeightIsKeptInTheSettingsFile) {
  for (const int ppi : {72, 96, 120, 144, 192}) {
    const BandPlanGeometry g = BandPlanGeometryFor(ppi);
    const auto& c = g.columns;
    EXPECT_LE(c[0] + c[1] + c[2] + c[3] + ppi / 5, g.width) << ppi;
    const double char_width = ppi * 0.075;  // a digit of a 9-point font, with room to spare
    EXPECT_TRUE(c[0] >= 4 * char_width && c[1] >= 5 * char_width && c[1] == c[2] &&
                c[3] >= 2 * char_width)
        << ppi;
  }
  EXPECT_EQ(BandPlanGeometryFor(96).width, 204);
  const struct {
    std::optional<int> stored;
    int ppi, screen, height;
  } heights[] = {{std::nullopt, 96, 768, 197}, {std::nullopt, 120, 768, 246}, {300, 96, 768, 300},
                 {0, 96, 768, 197}, {-5, 96, 768, 197}, {20, 96, 768, 96}, {5000, 96, 768, 768},
                 {5000, 96, 10, 96}};
  for (const auto& h : heights)
    EXPECT_EQ(BandPlanHeight(h.stored, h.ppi, h.screen), h.height) << h.stored.value_or(-99);

  TestContext t;
  ProfileFile& f = t.ctx().profile();
  EXPECT_EQ(ReadBandPlanHeight(f), std::nullopt);
  ASSERT_TRUE(WriteBandPlanSize(f, 204, 310));
  EXPECT_EQ(f.ReadString("WINDOWS", "BANDPLANX", ""), "204");
  EXPECT_EQ(ReadBandPlanHeight(f), 310);
  for (const char* bad : {"tall", "2000000", "-2000000"}) {
    f.WriteString("WINDOWS", "BANDPLANY", bad);
    EXPECT_EQ(ReadBandPlanHeight(f), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace r8
