// The options without their windows: the form's checks, filling and committing, the port
// assignments, the desktop's clock settings and the scan bank list.
#include "options/options_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "options/clock_settings.h"
#include "options/port_setup.h"
#include "options/scan_settings.h"
#include "radio/port_names.h"
#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::TestContext;
using testing::WriteBytes;

// A form every check passes: an R8A on COM2, UTC+1, no scan parameters.
OptionsForm GoodForm() {
  OptionsForm f;
  f.port_item = 1;
  f.line_pacing = "115";
  f.char_pacing = "5";
  f.hour_item = 1;
  f.minute_item = 0;
  f.model_item = 1;
  f.antenna_item = 0;
  f.hf_step = "0.01";
  f.vhf_step = "0.10";
  f.from_freq = "5000.00";
  f.to_freq = "7000.00";
  return f;
}

using F = OptionsForm&;  // what a case changes

std::string MessageOf(const OptionsForm& f) {
  const auto e = CheckErrors(f);
  return e ? e->message : std::string();
}

TEST(OptionsChecks, ReportEveryFaultInTheDialogsOrderWithItsPage) {
  // Every check fails at first; mending one fault at a time must bring up the next message.
  OptionsForm f = GoodForm();
  f.port_item = -1;
  f.char_pacing = "101";
  f.line_pacing = "1001";
  f.hour_item = -1;
  f.except_enabled = true;
  f.model_item = -1;
  f.antenna_item = -1;
  f.hf_step = "1.01";
  f.vhf_step = "10.01";
  f.from_freq = "99";
  f.to_freq = "30001";
  f.type_item = 0;

  struct Step {
    const char* message;
    int page;
    bool default_position;
    std::function<void(F)> mend;
  };
  const Step steps[] = {
      {"Valid serial ports are only 1 through 8.", kPageComms, false, [](F g) { g.port_item = 7; }},
      {"TX Pace must range within 0 to 100.", kPageComms, true, [](F g) { g.char_pacing = "100"; }},
      {"RX Pace must range within 0 to 1000.", kPageComms, false,
       [](F g) { g.line_pacing = "1000"; }},
      {"Must set a UT time offset.", kPageTime, false,
       [](F g) { g.hour_item = 12, g.minute_item = 1; }},
      {"UT Offset must be within +/- 1200 hours.", kPageTime, false,
       [](F g) { g.minute_item = 0; }},
      {"Must define the proper receiver.", kPageRadio, false, [](F g) { g.model_item = 0; }},
      {"Must set a default antenna port.", kPageRadio, false, [](F g) { g.antenna_item = 1; }},
      {"Small HF stepsize must range between 0.01 and 1.00 kHz.", kPageRadio, false,
       [](F g) { g.hf_step = "1.00"; }},
      {"Small VHF stepsize must range between 0.1 and 10.0 kHz.", kPageRadio, false,
       [](F g) { g.vhf_step = "10.0"; }},
      {"From frequency must range between 100 and 30000 kHz.", kPageRadio, false,
       [](F g) { g.from_freq = "30000"; }},
      {"To frequency must range between 100 and 30000 kHz.", kPageRadio, false,
       [](F g) { g.to_freq = "100"; }},
      {"The 'From' frequency must be less the 'To' frequency.", kPageRadio, false,
       [](F g) { g.from_freq = "100", g.to_freq = "30000"; }},
      {"Must set default scanning mode.", kPageScan, false,
       [](F g) { g.type_item = -1, g.mode_item = 1; }},
      {"Must set default scanning type.", kPageScan, false,
       [](F g) { g.type_item = 1, g.delay_item = -1; }},
      {"Must set a default scanning time delay.", kPageScan, false, [](F g) { g.delay_item = 9; }},
      {"Must set default scanning memory banks.", kPageScan, false, [](F g) { g.banks[0] = true; }},
  };
  for (const Step& s : steps) {
    const auto e = CheckErrors(f);
    ASSERT_TRUE(e) << "expected: " << s.message;
    EXPECT_EQ(e->message, s.message);
    EXPECT_EQ(e->page, s.page) << s.message;
    EXPECT_EQ(e->default_position, s.default_position) << s.message;
    s.mend(f);
  }
  EXPECT_FALSE(CheckErrors(f)) << MessageOf(f);
}

TEST(OptionsChecks, BoundsAndTypedTextThatIsNotANumber) {
  struct Case {
    const char* what;
    std::function<void(F)> change;
    const char* message;  // "" when the form passes
  };
  const char* kTx = "TX Pace must range within 0 to 100.";
  const char* kNet = "The network port must range within 1 to 65535.";
  const char* kRx = "RX Pace must range within 0 to 1000.";
  const char* kHf = "Small HF stepsize must range between 0.01 and 1.00 kHz.";
  const char* kVhf = "Small VHF stepsize must range between 0.1 and 10.0 kHz.";
  const char* kFrom = "From frequency must range between 100 and 30000 kHz.";
  const char* kOffset = "UT Offset must be within +/- 1200 hours.";
  const Case cases[] = {
      {"tx 0", [](F f) { f.char_pacing = "0"; }, ""},
      {"net port 0", [](F f) { f.net_enabled = true, f.net_port = "0"; }, kNet},
      {"net port 65536", [](F f) { f.net_enabled = true, f.net_port = "65536"; }, kNet},
      {"net port 65535", [](F f) { f.net_enabled = true, f.net_port = "65535"; }, ""},
      {"net off, port unread", [](F f) { f.net_port = "x"; }, ""},
      {"tx padded", [](F f) { f.char_pacing = " 7 "; }, ""},
      {"tx plus sign", [](F f) { f.char_pacing = "+7"; }, ""},
      {"tx -1", [](F f) { f.char_pacing = "-1"; }, kTx},
      {"tx word", [](F f) { f.char_pacing = "five"; }, kTx},
      {"tx empty", [](F f) { f.char_pacing = ""; }, kTx},
      {"tx fraction", [](F f) { f.char_pacing = "5.5"; }, kTx},
      {"tx huge", [](F f) { f.char_pacing = "99999999999999999999"; }, kTx},
      {"rx 1000", [](F f) { f.line_pacing = "1000"; }, ""},
      {"rx 12ms", [](F f) { f.line_pacing = "12ms"; }, kRx},
      {"hf 0.01", [](F f) { f.hf_step = "0.01"; }, ""},
      {"hf 0.009", [](F f) { f.hf_step = "0.009"; }, kHf},
      {"hf comma", [](F f) { f.hf_step = "0,05"; }, kHf},
      {"hf empty", [](F f) { f.hf_step = "  "; }, kHf},
      {"vhf 0.1", [](F f) { f.vhf_step = "0.1"; }, ""},
      {"vhf 0.09", [](F f) { f.vhf_step = "0.09"; }, kVhf},
      {"vhf huge", [](F f) { f.vhf_step = "1e999"; }, kVhf},
      {"band off ignores edges", [](F f) { f.from_freq = "x", f.to_freq = ""; }, ""},
      {"band on, edge words", [](F f) { f.except_enabled = true, f.from_freq = "low"; }, kFrom},
      {"band on, from = to",
       [](F f) { f.except_enabled = true, f.from_freq = "6000", f.to_freq = "6000.00"; },
       "The 'From' frequency must be less the 'To' frequency."},
      {"band on, 100 to 30000",
       [](F f) { f.except_enabled = true, f.from_freq = " 100 ", f.to_freq = "30000.00"; }, ""},
      {"-12 h 00", [](F f) { f.sign_item = 1, f.hour_item = 12, f.minute_item = 0; }, ""},
      {"-12 h 15", [](F f) { f.sign_item = 1, f.hour_item = 12, f.minute_item = 1; }, kOffset},
      {"+12 h 45", [](F f) { f.hour_item = 12, f.minute_item = 3; }, kOffset},
      {"hours without minutes", [](F f) { f.minute_item = -1; }, "Must set a UT time offset."},
      {"seek without delay", [](F f) { f.mode_item = 0, f.type_item = 0, f.delay_item = -1; }, ""},
      {"time without delay", [](F f) { f.mode_item = 0, f.type_item = 1, f.delay_item = -1; },
       "Must set a default scanning time delay."},
      {"list on an R8 with only bank 12",
       [](F f) { f.model_item = 0, f.mode_item = 1, f.type_item = 0, f.banks[12] = true; },
       "Must set default scanning memory banks."},
  };
  for (const Case& c : cases) {
    OptionsForm f = GoodForm();
    c.change(f);
    EXPECT_EQ(MessageOf(f), c.message) << c.what;
  }
}

TEST(OptionsForm, FillsFromTheSettingsAndTheReceiverState) {
  struct TimeCase {
    double time;
    int sign, hour, minute;
  };
  const TimeCase times[] = {
      {kTimeNotSet, 0, -1, -1},
      {0.0, 0, 0, 0},
      {-5.75, 1, 5, 3},
      {4.5, 0, 4, 2},
      {-12.0, 1, 12, 0},
      // Shown as it is, for the check to refuse; an hour the list lacks is shown as none.
      {12.25, 0, 12, 1},
      {-13.0, 1, -1, -1},
      {5.2, 0, 5, 0},
  };
  for (const TimeCase& c : times) {
    Settings s;
    s.TimeOffset = c.time;
    const OptionsForm f = FillOptionsForm(s, RadioState{}, {});
    EXPECT_EQ(f.sign_item, c.sign) << c.time;
    EXPECT_EQ(f.hour_item, c.hour) << c.time;
    EXPECT_EQ(f.minute_item, c.minute) << c.time;
  }

  Settings s;
  s.CommPort = 0;
  s.RadioModel = kModelR8B;
  s.scan_mode = 2;
  s.scan_type = 3;
  s.scan_delay = 0;
  s.scan_list = "0550";
  s.ClockDisplay = 1;
  s.hints = 0;
  s.h_step = 0.05;
  s.v_step = 2.5;
  RadioState radio;
  radio.BandUnits = BandUnitsCode::kMHz;
  const OptionsForm f = FillOptionsForm(s, radio, {});
  EXPECT_EQ(f.port_item, -1);
  EXPECT_EQ(f.model_item, 2);
  EXPECT_EQ(f.mode_item, 1);
  EXPECT_EQ(f.type_item, 2);
  EXPECT_EQ(f.delay_item, -1);
  EXPECT_TRUE(f.banks[5] && f.banks[50]);
  EXPECT_EQ(f.clock_display_item, 0);
  EXPECT_EQ(f.band_display_item, 1);
  // The receiver's own display mode and name mode are not known to the program.
  EXPECT_EQ(f.display_mode_item, -1);
  EXPECT_EQ(f.name_mode_item, -1);
  EXPECT_FALSE(f.hints);
  EXPECT_EQ(f.hf_step, "0.05");
  EXPECT_EQ(f.vhf_step, "2.50");
}

TEST(OptionsForm, CommitSetsEveryKeyAndTheFileReadsBackTheSame) {
  TestContext t(kModelR8A);
  OptionsForm f = GoodForm();
  f.sign_item = 1;
  f.hour_item = 5;
  f.minute_item = 3;
  f.local_item = 0;
  f.ignore_dsr = true;
  f.except_enabled = true;
  f.mode_item = 1;
  f.type_item = 2;
  f.delay_item = 6;
  f.banks[0] = f.banks[3] = f.banks[12] = true;
  f.log = {"Ann", "1 Road", "Town", "R8A", "Longwire", "Fair"};
  f.mark_color = 0x0000FF;
  f.high_color = 0x00FF00;
  f.hints = false;
  f.net_enabled = true;
  f.net_port = "4533";
  ASSERT_FALSE(CheckErrors(f));

  Settings& s = t.ctx().settings();
  CommitOptionsForm(f, s);
  ASSERT_TRUE(WriteOptionsFile(t.ctx().profile(), s));

  EXPECT_EQ(ReadBytes(t.settings_path()),
            "[OPTIONS]\r\nEXFREQ=1\r\nEXFREQ1=5000.00\r\nEXFREQ2=7000.00\r\nHSTEP=0.01\r\n"
            "VSTEP=0.10\r\nSCANMODE=2\r\nSCANTYPE=3\r\nSCANDELAY=7\r\nSCANLIST=000312\r\nNETPORT=4533\r\n"
            "TIME= -5.75\r\nLOCAL=1\r\nRADIO=2\r\nANTENNA=1\r\nPORT=2\r\nTXPACE=5\r\n"
            "RXPACE=115\r\nRXCOMPLETE=0\r\nIGNOREDSR=1\r\nMARK=         255\r\nHIGH=       65280\r\nHINTS=0\r\n"
            "\r\n[LOG]\r\nDXER=Ann\r\nADDR1=1 Road\r\nADDR2=Town\r\nRCVR=R8A\r\n"
            "ANTENNA=Longwire\r\nCONDX=Fair\r\n");
  EXPECT_EQ(ReadLogDetails(t.ctx().profile()), f.log);

  // No offset with the minus sign is written without one; a band edge that is not a usable
  // number is stored as zero.
  f.sign_item = 1;
  f.hour_item = f.minute_item = 0;
  f.from_freq = "abc";
  f.to_freq = "1e300";
  f.net_enabled = false;  // the server off: port 0, whatever the edit says
  CommitOptionsForm(f, s);
  EXPECT_EQ(s.net_port, 0);
  ASSERT_TRUE(WriteOptionsFile(t.ctx().profile(), s));
  EXPECT_EQ(t.ctx().profile().ReadString("OPTIONS", "TIME", ""), "0.00");
  EXPECT_EQ(s.ex_freq1, 0.0);
  EXPECT_EQ(s.ex_freq2, 0.0);
  f.to_freq = "10000000";  // the largest edge the file holds is kept
  CommitOptionsForm(f, s);
  EXPECT_EQ(s.ex_freq2, 1e7);
}

TEST(OptionsEnabling, FollowsTheModelTheScanModeAndTypeAndTheAlternateBand) {
  struct Case {
    int model_item, mode_item, type_item;
    bool except;
    bool char_edit, receiver_display, band_edits, delay_list;
    int highest_bank;  // -1: none
  };
  const Case cases[] = {
      {0, 1, 1, false, true, false, false, true, 9},    // R8, List, Time
      {1, 1, 0, true, false, true, true, false, 43},    // R8A, List
      {2, 1, 2, false, false, true, false, false, 99},  // R8B, List
      {1, 0, 1, false, false, true, false, true, -1},   // Mem: no banks
  };
  for (const Case& c : cases) {
    OptionsForm f = GoodForm();
    f.model_item = c.model_item;
    f.mode_item = c.mode_item;
    f.type_item = c.type_item;
    f.except_enabled = c.except;
    const OptionsEnabling e = ComputeOptionsEnabling(f);
    SCOPED_TRACE(c.model_item * 100 + c.mode_item * 10 + c.type_item);
    EXPECT_EQ(e.char_edit, c.char_edit);
    EXPECT_EQ(e.receiver_display, c.receiver_display);
    EXPECT_EQ(e.band_edits, c.band_edits);
    EXPECT_EQ(e.delay_list, c.delay_list);
    for (int b = 0; b < kBankCount; ++b) {
      EXPECT_EQ(e.banks[static_cast<std::size_t>(b)], b <= c.highest_bank) << "bank " << b;
    }
  }
}

TEST(OptionsPlacement, WarningBoxesGoBelowTheDialogAndStayOnTheScreen) {
  const ScreenRect screen{0, 0, 1920, 1080};
  struct Case {
    ScreenRect dialog;
    int x, y;
  };
  const Case cases[] = {
      {{100, 100, 500, 400}, 100, 500},
      {{100, 700, 500, 400}, 100, 1080 - 150},  // the bottom edge is off the screen
      {{1700, 100, 500, 400}, 1920 - 400, 500},
      {{-50, -20, 500, 400}, 0, 380},
  };
  for (const Case& c : cases) {
    const ScreenPoint p = BoxBelow(c.dialog, screen, 400, 150);
    EXPECT_EQ(p.x, c.x);
    EXPECT_EQ(p.y, c.y);
  }
}

class OptionsCoreTest : public ::testing::Test {
 protected:
  OptionsCoreTest() {
    t.ctx().settings().TimeOffset = 1.0;
    t.ctx().settings().primary_antenna = 1;
    form = core.FormShow();
  }
  TestContext t{kModelR8A};
  OptionsCore core{t.ctx()};
  OptionsForm form;
};

TEST_F(OptionsCoreTest, AFailedCheckShowsAWarningBelowTheDialogAndWritesNothing) {
  form.antenna_item = -1;
  const auto out = core.OKBtnClick(form, ScreenPoint{10, 500});
  EXPECT_FALSE(out.close);
  EXPECT_EQ(out.page, kPageRadio);
  ASSERT_EQ(t.prompts().messages.size(), 1u);
  const MessageRequest& m = t.prompts().messages[0];
  EXPECT_EQ(m.kind, MessageKind::kWarning);
  EXPECT_EQ(m.buttons, MessageButtons::kOk);
  EXPECT_EQ(m.text, "Must set a default antenna port.");
  ASSERT_TRUE(m.top_left);
  EXPECT_EQ(m.top_left->y, 500);
  EXPECT_FALSE(std::filesystem::exists(t.settings_path()));

  // The character pacing message is the one shown where the system puts boxes.
  form = core.FormShow();
  form.char_pacing = "x";
  core.CancelBtnClick(form, ScreenPoint{10, 500});
  ASSERT_EQ(t.prompts().messages.size(), 2u);
  EXPECT_FALSE(t.prompts().messages[1].top_left);
}

TEST_F(OptionsCoreTest, CancelWritesNothingButKeepsWhatTheImmediateHandlersChanged) {
  core.HintsBoxClick(false);
  core.ExceptBoxClick(true, " 5900 ", "6200.5");
  core.RadioGrpClick(2);
  form.hints = false;
  form.except_enabled = true;
  form.from_freq = "5900";
  form.to_freq = "6200.5";
  form.model_item = 2;
  form.port_item = 5;  // not immediate: Cancel forgets it
  const auto out = core.CancelBtnClick(form, std::nullopt);
  EXPECT_TRUE(out.close);
  EXPECT_FALSE(std::filesystem::exists(t.settings_path()));
  const Settings& s = t.ctx().settings();
  EXPECT_EQ(s.hints, 0);
  EXPECT_TRUE(s.ex_freq_enabled);
  EXPECT_DOUBLE_EQ(s.ex_freq1, 5900.0);
  EXPECT_DOUBLE_EQ(s.ex_freq2, 6200.5);
  EXPECT_EQ(s.RadioModel, kModelR8B);
  EXPECT_EQ(s.CommPort, 1);
}

TEST_F(OptionsCoreTest, DisplayHandlersSendNothingWhileFilling) {
  t.Connect();
  t.port().ClearLog();
  core.set_filling(true);
  core.RadioTimeBtnClick();
  core.RadioTimeDispClick(0);
  core.RadioDispClick(1);
  core.ChangeRadioBright();
  core.ChangeRadioStep();
  core.RadioNameDispClick(1);
  core.RadioBandDispClick(1);
  EXPECT_TRUE(t.port().commands().empty());
  EXPECT_EQ(t.ctx().settings().ClockDisplay, 2);
  EXPECT_EQ(t.radio().BandUnits, BandUnitsCode::kKHz);
  core.set_filling(false);
  core.RadioBandDispClick(1);
  EXPECT_EQ(t.radio().BandUnits, BandUnitsCode::kMHz);
}

TEST_F(OptionsCoreTest, ASettingsFileThatCannotBeWrittenIsReportedNotPassedOver) {
  // A folder where the file should be: nothing can replace it.
  std::filesystem::create_directory(t.settings_path());
  const auto out = core.OKBtnClick(form, std::nullopt);
  EXPECT_TRUE(out.close);  // the choices are in force for this run
  ASSERT_EQ(t.prompts().messages.size(), 1u);
  EXPECT_EQ(t.prompts().messages[0].kind, MessageKind::kError);
  EXPECT_EQ(t.prompts().messages[0].text.rfind("The options could not be saved in", 0), 0u);
}

TEST(PortSetup, AssignmentsRoundTripThroughThePortsSection) {
  TempDir dir;
  ProfileFile f(dir / "TARVELIN.INI");
  struct Case {
    PortAssignment a;
    const char* text;
    bool emulator;
    const char* device;  // what the link then opens
  };
  const Case cases[] = {
      {{PortAssignmentKind::kDevice, "/dev/ttyUSB0"},
       "COM3: is /dev/ttyUSB0",
       false,
       "/dev/ttyUSB0"},
      {{PortAssignmentKind::kEmulator, ""}, "COM3: is the built-in emulated receiver", true, ""},
      {{PortAssignmentKind::kSystemDefault, ""},
       "COM3: is /dev/ttyS2 (the system's default)",
       false,
       "/dev/ttyS2"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(ApplyPortAssignment(f, 3, c.a));
    EXPECT_EQ(CurrentAssignment(f, 3), c.a);
    EXPECT_EQ(AssignmentText(CurrentAssignment(f, 3), 3), c.text);
    const PortTarget target = ResolvePort(f, "COM3");
    EXPECT_EQ(target.emulator, c.emulator) << c.text;
    EXPECT_EQ(target.device, c.device) << c.text;
  }
  // The default removes the key rather than leaving an empty value behind.
  EXPECT_FALSE(f.Find(kPortsSection, "COM3"));
}

TEST(PortSetup, RefusesPortsOutsideOneToEightAndPathsThatCannotBeDevices) {
  TempDir dir;
  ProfileFile f(dir / "TARVELIN.INI");
  EXPECT_FALSE(ApplyPortAssignment(f, 0, {PortAssignmentKind::kEmulator, ""}));
  EXPECT_FALSE(ApplyPortAssignment(f, 9, {PortAssignmentKind::kEmulator, ""}));
  EXPECT_FALSE(ApplyPortAssignment(f, 1, {PortAssignmentKind::kDevice, "  "}));
  EXPECT_FALSE(f.Exists());

  struct Case {
    const char* path;
    bool ok;
  };
  const Case cases[] = {{"/dev/ttyUSB0", true},
                        {"  /dev/serial/by-id/usb-Adapter-if00-port0 ", true},
                        {"", false},
                        {"   ", false},
                        {"/dev/tty\nS0", false},
                        {"emulator", false}};
  for (const Case& c : cases) EXPECT_EQ(!CheckDevicePath(c.path), c.ok) << c.path;
}

TEST(PortSetup, ReadsAMappingSomeoneWroteByHand) {
  TempDir dir;
  WriteBytes(dir / "TARVELIN.INI", "[Ports]\ncom2 =  emulator \nCOM4=/dev/ttyACM0\n");
  ProfileFile f(dir / "TARVELIN.INI");
  EXPECT_EQ(CurrentAssignment(f, 2).kind, PortAssignmentKind::kEmulator);
  EXPECT_EQ(CurrentAssignment(f, 4), (PortAssignment{PortAssignmentKind::kDevice, "/dev/ttyACM0"}));
  EXPECT_EQ(CurrentAssignment(f, 5).kind, PortAssignmentKind::kSystemDefault);
}

TEST(PortSetup, UsbIdsAreFourHexDigitsEach) {
  SerialDeviceInfo d;
  EXPECT_EQ(UsbIdsText(d), "");
  d.vendor_id = 0x0403;
  EXPECT_EQ(UsbIdsText(d), "");
  d.product_id = 0x6001;
  EXPECT_EQ(UsbIdsText(d), "0403:6001");
  d.vendor_id = 0x1A86;
  d.product_id = 0x7523;
  EXPECT_EQ(UsbIdsText(d), "1a86:7523");
}

TEST(ClockSettings, OpensTheDesktopsOwnDateAndTimeSettings) {
  struct Case {
    const char* desktops;
    std::vector<std::string> installed;
    std::optional<LaunchCommand> expected;
  };
  const Case cases[] = {
      {"GNOME",
       {"gnome-control-center"},
       LaunchCommand{"/usr/bin/gnome-control-center", {"datetime"}}},
      {"ubuntu:GNOME",
       {"gnome-control-center", "kcmshell5"},
       LaunchCommand{"/usr/bin/gnome-control-center", {"datetime"}}},
      {"KDE",
       {"gnome-control-center", "kcmshell5"},
       LaunchCommand{"/usr/bin/kcmshell5", {"clock"}}},
      {"kde", {"kcmshell6", "kcmshell5"}, LaunchCommand{"/usr/bin/kcmshell6", {"kcm_clock"}}},
      // A desktop without one of its own: another desktop's settings set the same clock.
      {"Sway", {"cinnamon-settings"}, LaunchCommand{"/usr/bin/cinnamon-settings", {"calendar"}}},
      {"", {"time-admin"}, LaunchCommand{"/usr/bin/time-admin", {}}},
      {"GNOME", {}, std::nullopt},
      {"Windows", {"control.exe"}, LaunchCommand{"/usr/bin/control.exe", {"timedate.cpl"}}},
      // control.exe is no use away from its own system.
      {"LXQt", {"control.exe"}, std::nullopt},
  };
  for (const Case& c : cases) {
    const ProgramFinder find = [&](const std::string& name) {
      for (const std::string& i : c.installed) {
        if (i == name) return "/usr/bin/" + name;
      }
      return std::string();
    };
    EXPECT_EQ(DateTimeSettingsCommand(c.desktops, find), c.expected) << c.desktops;
  }
  EXPECT_EQ(DateTimeSettingsCommand("GNOME", nullptr), std::nullopt);
}

std::set<int> Selected(const BankFlags& banks) {
  std::set<int> out;
  for (int b = 0; b < kBankCount; ++b) {
    if (banks[static_cast<std::size_t>(b)]) out.insert(b);
  }
  return out;
}

BankFlags Flags(std::initializer_list<int> banks) {
  BankFlags f{};
  for (int b : banks) f[static_cast<std::size_t>(b)] = true;
  return f;
}

TEST(ScanList, ParsesOneDigitPerBankOnTheR8AndTwoOnTheOthers) {
  struct Case {
    const char* list;
    int model;
    std::set<int> banks;
  };
  const Case cases[] = {
      {"empty", kModelR8, {}},
      {"empty", kModelR8B, {}},
      {"", kModelR8A, {}},
      {"0359", kModelR8, {0, 3, 5, 9}},
      {"000312", kModelR8A, {0, 3, 12}},
      {"9950", kModelR8B, {50, 99}},
      // Before a model is chosen the list is read in pairs, as for the R8A/R8B.
      {"0312", kModelNone, {3, 12}},
      // Characters that are not bank numbers select nothing and do not shift the pairs.
      {"0x1243", kModelR8A, {12, 43}},
      {"a3-", kModelR8, {3}},
      {"00031", kModelR8B, {0, 3}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Selected(ParseScanList(c.list, c.model)), c.banks)
        << c.list << " on model " << c.model;
  }
}

TEST(ScanList, BuildsFromTheBanksTheModelHasInBankOrder) {
  struct Case {
    BankFlags banks;
    int model;
    const char* list;
  };
  const Case cases[] = {
      {Flags({0, 3, 12}), kModelR8A, "000312"},
      {Flags({9, 5, 3, 0}), kModelR8, "0359"},
      {Flags({}), kModelR8B, "empty"},
      // Banks the model does not have are not scanned on it.
      {Flags({3, 12}), kModelR8, "3"},
      {Flags({12}), kModelR8, "empty"},
      {Flags({43, 44, 99}), kModelR8A, "43"},
      {Flags({43, 44, 99}), kModelR8B, "434499"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildScanList(c.banks, c.model), c.list) << "model " << c.model;
  }
}

TEST(ScanList, KeepsAtMost88CharactersSoTheFirst44Banks) {
  BankFlags all{};
  all.fill(true);
  const std::string list = BuildScanList(all, kModelR8B);
  ASSERT_EQ(list.size(), 88u);
  EXPECT_EQ(list.substr(0, 4), "0001");
  EXPECT_EQ(list.substr(84), "4243");
  const std::set<int> kept = Selected(ParseScanList(list, kModelR8B));
  EXPECT_EQ(kept.size(), 44u);
  EXPECT_EQ(*kept.rbegin(), 43);
}

TEST(ScanList, HighestBankAndAnyBankFollowTheModel) {
  EXPECT_EQ(HighestBank(kModelNone), 9);
  EXPECT_EQ(HighestBank(kModelR8), 9);
  EXPECT_EQ(HighestBank(kModelR8A), 43);
  EXPECT_EQ(HighestBank(kModelR8B), 99);
  EXPECT_FALSE(AnyBankOf(Flags({10}), kModelR8));
  EXPECT_TRUE(AnyBankOf(Flags({10}), kModelR8A));
  EXPECT_FALSE(AnyBankOf(Flags({44}), kModelR8A));
  EXPECT_TRUE(AnyBankOf(Flags({99}), kModelR8B));
}

}  // namespace
}  // namespace r8
