#include "settings/settings.h"

#include <gtest/gtest.h>

#include "support/scripted_serial_port.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::ReadBytes;
using testing::TestContext;
using testing::WriteBytes;

TEST(Settings, NoFileKeepsTheBuiltInDefaultsAndAnEmptyFileGivesTheKeyDefaults) {
  TestContext t;
  EXPECT_FALSE(t.ctx().LoadSettings());
  EXPECT_EQ(t.ctx().settings().CommPort, 0);  // first start: no port chosen yet

  WriteBytes(t.settings_path(), "");
  EXPECT_TRUE(t.ctx().LoadSettings());
  const Settings& s = t.ctx().settings();
  EXPECT_EQ(s.RadioModel, 0);
  EXPECT_EQ(s.CommPort, 1);
  EXPECT_EQ(s.TxPace, 5);
  EXPECT_EQ(s.RxPace, 115);
  EXPECT_EQ(s.primary_antenna, 1);
  EXPECT_EQ(s.ClockDisplay, 2);
  EXPECT_EQ(s.hints, 1);
  EXPECT_EQ(s.TimeOffset, kTimeNotSet);
  EXPECT_EQ(s.scan_delay, 3);
  EXPECT_EQ(s.scan_list, "empty");
  EXPECT_EQ(s.mem_file, "<Untitled>");
  EXPECT_EQ(s.log_file, ".\\TARVELIN.LOG");
  EXPECT_EQ(s.mark_color, 0x800000);
  EXPECT_EQ(s.high_color, 0xFFFF00);
  EXPECT_DOUBLE_EQ(s.h_step, 0.01);
  EXPECT_DOUBLE_EQ(s.v_step, 0.1);
}

TEST(Settings, FindsTheFileWhateverItsLetterCase) {
  TestContext t;
  WriteBytes(t.dir() / "tarvelin.ini", "[options]\nradio=3\n");
  testing::ScriptedSerialPort port;
  testing::RecordingLauncher launcher;
  AppContext other(t.clock(), t.prompts(), port, launcher, t.settings_path());
  EXPECT_TRUE(other.LoadSettings());
  EXPECT_EQ(other.settings().RadioModel, 3);
}

TEST(Settings, ReadsEveryOptionsKey) {
  TestContext t;
  WriteBytes(
      t.settings_path(),
      "[OPTIONS]\r\nTIME= -5.75\r\nLOCAL=1\r\nRADIO=3\r\nANTENNA=2\r\nPORT=4\r\nTXPACE=10\r\n"
      "RXPACE=200\r\nRXCOMPLETE=1\r\nIGNOREDSR=1\r\nSCANMODE=2\r\nSCANTYPE=3\r\nSCANDELAY=7\r\n"
      "SCANLIST=000312\r\nMEMFILE=C:\\R8\\BANDS.MEM\r\nLOGFILE=MY.LOG\r\nLOGFORM=A.FML\r\n"
      "RPTFORM=B.FMR\r\nMARK=     255\r\nHIGH=   65280\r\nTIMER=1\r\nCLOCK=1\r\nHINTS=0\r\n"
      "EXFREQ=1\r\nEXFREQ1=5900.00\r\nEXFREQ2=6200.50\r\nHSTEP=0.05\r\nVSTEP=2.5\r\n"
      "XPOS= 120\r\nYPOS=  80\r\n");
  ASSERT_TRUE(t.ctx().LoadSettings());
  const Settings& s = t.ctx().settings();
  EXPECT_DOUBLE_EQ(s.TimeOffset, -5.75);
  EXPECT_EQ(s.local_clock, 1);
  EXPECT_EQ(s.RadioModel, 3);
  EXPECT_EQ(s.primary_antenna, 2);
  EXPECT_EQ(s.CommPort, 4);
  EXPECT_EQ(s.TxPace, 10);
  EXPECT_EQ(s.RxPace, 200);
  EXPECT_TRUE(s.complete_reply);
  EXPECT_TRUE(s.IgnoreDSR);
  EXPECT_EQ(s.scan_mode, 2);
  EXPECT_EQ(s.scan_type, 3);
  EXPECT_EQ(s.scan_delay, 7);
  EXPECT_EQ(s.scan_list, "000312");
  EXPECT_EQ(s.mem_file, "C:\\R8\\BANDS.MEM");
  EXPECT_EQ(s.log_file, "MY.LOG");
  EXPECT_EQ(s.log_form, "A.FML");
  EXPECT_EQ(s.rpt_form, "B.FMR");
  EXPECT_EQ(s.mark_color, 255);
  EXPECT_EQ(s.high_color, 65280);
  EXPECT_EQ(s.timer_enabled, 1);
  EXPECT_EQ(s.ClockDisplay, 1);
  EXPECT_EQ(s.hints, 0);
  EXPECT_TRUE(s.ex_freq_enabled);
  EXPECT_DOUBLE_EQ(s.ex_freq1, 5900.0);
  EXPECT_DOUBLE_EQ(s.ex_freq2, 6200.5);
  EXPECT_DOUBLE_EQ(s.h_step, 0.05);
  EXPECT_DOUBLE_EQ(s.v_step, 2.5);
  EXPECT_EQ(s.x_pos, 120);
  EXPECT_EQ(s.y_pos, 80);
}

// The program's own round trip is in tests/options/options_model_test.cpp; here the edges of
// what is read.
TEST(Settings, UnusableValuesFallBackToDefaultsAndTheEdgesAreKept) {
  struct Case {
    const char* line;
    std::function<bool(const Settings&)> check;
  };
  const std::vector<Case> cases = {
      {"PORT=8", [](const Settings& s) { return s.CommPort == 8; }},
      {"TXPACE=0", [](const Settings& s) { return s.TxPace == 0; }},
      {"RXPACE=1000", [](const Settings& s) { return s.RxPace == 1000; }},
      {"SCANDELAY=10", [](const Settings& s) { return s.scan_delay == 10; }},
      {"TIME=10.25", [](const Settings& s) { return s.TimeOffset == 10.25; }},
      {"HSTEP=1.0", [](const Settings& s) { return s.h_step == 1.0; }},
      {"VSTEP=10.0", [](const Settings& s) { return s.v_step == 10.0; }},
      {"IGNOREDSR=2", [](const Settings& s) { return !s.IgnoreDSR; }},
      {"RXCOMPLETE=2", [](const Settings& s) { return !s.complete_reply; }},
      {"NETPORT=65535", [](const Settings& s) { return s.net_port == 65535; }},
      {"NETPORT=65536", [](const Settings& s) { return s.net_port == 0; }},
      {"EXFREQ=2", [](const Settings& s) { return !s.ex_freq_enabled; }},
      {"RADIO=7", [](const Settings& s) { return s.RadioModel == 0; }},
      {"PORT=abc", [](const Settings& s) { return s.CommPort == 1; }},
      {"PORT=9", [](const Settings& s) { return s.CommPort == 1; }},
      {"TXPACE=-3", [](const Settings& s) { return s.TxPace == 5; }},
      {"RXPACE=5000", [](const Settings& s) { return s.RxPace == 115; }},
      {"LOCAL=3", [](const Settings& s) { return s.local_clock == 2; }},
      {"CLOCK=0", [](const Settings& s) { return s.ClockDisplay == 2; }},
      {"TIME=5.3", [](const Settings& s) { return s.TimeOffset == kTimeNotSet; }},
      {"TIME=13", [](const Settings& s) { return s.TimeOffset == kTimeNotSet; }},
      {"TIME=abc", [](const Settings& s) { return s.TimeOffset == kTimeNotSet; }},
      {"TIME=-12.00", [](const Settings& s) { return s.TimeOffset == -12.0; }},
      {"HSTEP=0", [](const Settings& s) { return s.h_step == 0.01; }},
      {"VSTEP=x", [](const Settings& s) { return s.v_step == 0.1; }},
      {"MARK=-1", [](const Settings& s) { return s.mark_color == 0x800000; }},
      {"SCANDELAY=11", [](const Settings& s) { return s.scan_delay == 3; }},
      {"MEMFILE=", [](const Settings& s) { return s.mem_file == "<Untitled>"; }},
      // A band edge that is not a number reads as 0: the band 0..0 then never matches.
      {"EXFREQ1=abc", [](const Settings& s) { return s.ex_freq1 == 0.0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TestContext t;
    WriteBytes(t.settings_path(), std::string("[OPTIONS]\n") + c.line + "\n");
    t.ctx().LoadSettings();
    EXPECT_TRUE(c.check(t.ctx().settings()));
  }
}

TEST(Settings, ScanListIsCutButFileNamesAreKeptWhole) {
  TestContext t;
  const std::string long_path =
      "/home/listener/Documents/Shortwave/Receivers/R8B/Memory files/"
      "winter season/broadcast bands.MEM";
  ASSERT_GT(long_path.size(), 89u);
  WriteBytes(t.settings_path(),
             "[OPTIONS]\nSCANLIST=" + std::string(100, '1') + "\nMEMFILE=" + long_path + "\n");
  t.ctx().LoadSettings();
  EXPECT_EQ(t.ctx().settings().scan_list, std::string(88, '1'));
  EXPECT_EQ(t.ctx().settings().mem_file, long_path);
}

TEST(Settings, WritesEachKeyInItsOwnWidth) {
  TestContext t;
  Settings s;
  s.TimeOffset = -5.5;
  s.RadioModel = 2;
  s.CommPort = 3;
  s.IgnoreDSR = true;
  s.x_pos = -20;
  s.y_pos = 45;
  s.ClockDisplay = 1;
  ASSERT_TRUE(WriteSettings(t.ctx().profile(), s));
  ASSERT_TRUE(WriteExitSettings(t.ctx().profile(), s, false));
  EXPECT_EQ(ReadBytes(t.settings_path()),
            "[OPTIONS]\r\nTIME= -5.50\r\nLOCAL=2\r\nRADIO=2\r\nANTENNA=1\r\nPORT=3\r\nTXPACE=5\r\n"
            "RXPACE=115\r\nRXCOMPLETE=0\r\nIGNOREDSR=1\r\nMARK=     8388608\r\nHIGH=    16776960\r\nHINTS=1\r\n"
            "XPOS=   0\r\nYPOS=  45\r\nTIMER=0\r\nCLOCK=1\r\n");

  // Minimised: the position is not written.
  s.x_pos = 300;
  ASSERT_TRUE(WriteExitSettings(t.ctx().profile(), s, true));
  EXPECT_EQ(t.ctx().profile().ReadInt("OPTIONS", "XPOS", -1), 0);
}

TEST(Settings, LogDetailsDefaultToTheReceiverName) {
  TestContext t;
  const LogDetails d = ReadLogDetails(t.ctx().profile());
  EXPECT_EQ(d.rcvr, "Drake R8");
  EXPECT_EQ(d.dxer, "");
}

TEST(Settings, SmallReadAndWriteOperations) {
  TestContext t;
  ProfileFile& f = t.ctx().profile();
  EXPECT_DOUBLE_EQ(ReadRealSetting(f, "S", "R", "20.0"), 20.0);
  WriteBytes(t.settings_path(), "[S]\nR=  12.5 \nBAD=1.2.3\n");
  EXPECT_DOUBLE_EQ(ReadRealSetting(f, "S", "R", "0"), 12.5);
  EXPECT_DOUBLE_EQ(ReadRealSetting(f, "S", "BAD", "7"), 0.0);
  ASSERT_TRUE(WriteRealSetting(f, "S", "W", 3.14159, 8, 3));
  ASSERT_TRUE(WriteIntSetting(f, "S", "N", 7, 4));
  ASSERT_TRUE(WriteLongSetting(f, "S", "L", 1234));
  const std::string bytes = ReadBytes(t.settings_path());
  EXPECT_NE(bytes.find("\nW=   3.142\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("\nN=   7\n"), std::string::npos);
  EXPECT_NE(bytes.find("\nL=        1234\n"), std::string::npos);
}

TEST(ComboLists, ReadReplacesTheBuiltInListOnlyWithUsableStoredItems) {
  using Items = std::vector<std::string>;
  struct Case {
    const char* file;
    bool steps;   // else the offsets
    Items items;  // empty: the built-in list stays
    int index;
  };
  const Case cases[] = {
      // The stored index is absent and the default 5 is past the list: the blank item is chosen.
      {"[STEPSIZE]\nCOUNT=2\nSTEP1=0.3\nSTEP2=25\n", true, {"       ", "    0.3", "     25"}, 0},
      {"[OFFSET]\nCOUNT=0\nDOFST=1\nOFST1=9.99\n", false, {}, 3},
      {"[STEPSIZE]\nCOUNT=2\nSTEP1=0.3\nSTEP2=25\nDSTEP=2\n",
       true,
       {"       ", "    0.3", "     25"},
       2},
      // Too wide and not a number are left out; the absent OFST4 reads as 0.00.
      {"[OFFSET]\nCOUNT=5\nOFST1=-2.21\nOFST2=123.456\nOFST3=abc\nOFST5=1.5\nDOFST=3\n",
       false,
       {"     ", "-2.21", " 0.00", "  1.5"},
       3},
      {"[STEPSIZE]\nCOUNT=2000000000\nDSTEP=99999\n", true,
       Items(static_cast<std::size_t>(kComboListMaxItems) + 1, "<bounded>"), 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    TestContext t;
    WriteBytes(t.settings_path(), c.file);
    const ComboList built_in = c.steps ? DefaultStepList() : DefaultOffsetList();
    ComboList list = built_in;
    list.index = 4;
    if (c.steps) {
      ReadComboList(t.ctx().profile(), list, "STEPSIZE", "STEP", 5, kStepListWidth, "DSTEP");
    } else {
      ReadComboList(t.ctx().profile(), list, "OFFSET", "OFST", 3, kOffsetListWidth, "DOFST");
    }
    if (c.items.empty()) {
      EXPECT_EQ(list.items, built_in.items);
    } else if (c.items.back() == "<bounded>") {
      EXPECT_EQ(list.items.size(), c.items.size());
    } else {
      EXPECT_EQ(list.items, c.items);
    }
    EXPECT_EQ(list.index, c.index);
  }
}

TEST(ComboLists, WriteStoresTheListAndRemovesItemsNoLongerInIt) {
  struct Case {
    const char* before;
    ComboList list;
    const char* after;
  };
  const Case cases[] = {
      {"[STEPSIZE]\nCOUNT=2\nSTEP1=0.3\nSTEP2=25\n",
       {{"       ", "    0.3", "     25"}, 2},
       "[STEPSIZE]\nCOUNT=   2\nSTEP1=0.3\nSTEP2=25\nDSTEP=   2\n"},
      {"[STEPSIZE]\nCOUNT=3\nDSTEP=1\nSTEP1=1\nSTEP2=2\nSTEP3=3\n",
       {{"       ", "   1.00"}, 1},
       "[STEPSIZE]\nCOUNT=   1\nDSTEP=   1\nSTEP1=1.00\n"},
  };
  for (const Case& c : cases) {
    TestContext t;
    WriteBytes(t.settings_path(), c.before);
    ASSERT_TRUE(WriteComboList(t.ctx().profile(), c.list, "STEPSIZE", "STEP", "DSTEP"));
    EXPECT_EQ(ReadBytes(t.settings_path()), c.after);
  }
}

}  // namespace
}  // namespace r8
