#include "options/options_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "radio/radio_model.h"
#include "support/test_context.h"

namespace r8 {
namespace {

using testing::ReadBytes;
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
    std::function<void(OptionsForm&)> mend;
  };
  const Step steps[] = {
      {"Valid serial ports are only 1 through 8.", kPageComms, false,
       [](OptionsForm& g) { g.port_item = 7; }},
      {"TX Pace must range within 0 to 100.", kPageComms, true,
       [](OptionsForm& g) { g.char_pacing = "100"; }},
      {"RX Pace must range within 0 to 1000.", kPageComms, false,
       [](OptionsForm& g) { g.line_pacing = "1000"; }},
      {"Must set a UT time offset.", kPageTime, false,
       [](OptionsForm& g) {
         g.hour_item = 12;
         g.minute_item = 1;
       }},
      {"UT Offset must be within +/- 1200 hours.", kPageTime, false,
       [](OptionsForm& g) { g.minute_item = 0; }},
      {"Must define the proper receiver.", kPageRadio, false,
       [](OptionsForm& g) { g.model_item = 0; }},
      {"Must set a default antenna port.", kPageRadio, false,
       [](OptionsForm& g) { g.antenna_item = 1; }},
      {"Small HF stepsize must range between 0.01 and 1.00 kHz.", kPageRadio, false,
       [](OptionsForm& g) { g.hf_step = "1.00"; }},
      {"Small VHF stepsize must range between 0.1 and 10.0 kHz.", kPageRadio, false,
       [](OptionsForm& g) { g.vhf_step = "10.0"; }},
      {"From frequency must range between 100 and 30000 kHz.", kPageRadio, false,
       [](OptionsForm& g) { g.from_freq = "30000"; }},
      {"To frequency must range between 100 and 30000 kHz.", kPageRadio, false,
       [](OptionsForm& g) { g.to_freq = "100"; }},
      {"The 'From' frequency must be less the 'To' frequency.", kPageRadio, false,
       [](OptionsForm& g) {
         g.from_freq = "100";
         g.to_freq = "30000";
       }},
      {"Must set default scanning mode.", kPageScan, false,
       [](OptionsForm& g) {
         g.type_item = -1;
         g.mode_item = 1;
       }},
      {"Must set default scanning type.", kPageScan, false,
       [](OptionsForm& g) {
         g.type_item = 1;
         g.delay_item = -1;
       }},
      {"Must set a default scanning time delay.", kPageScan, false,
       [](OptionsForm& g) { g.delay_item = 9; }},
      {"Must set default scanning memory banks.", kPageScan, false,
       [](OptionsForm& g) { g.banks[0] = true; }},
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
    std::function<void(OptionsForm&)> change;
    const char* message;  // "" when the form passes
  };
  const char* kTx = "TX Pace must range within 0 to 100.";
  const char* kRx = "RX Pace must range within 0 to 1000.";
  const char* kHf = "Small HF stepsize must range between 0.01 and 1.00 kHz.";
  const char* kVhf = "Small VHF stepsize must range between 0.1 and 10.0 kHz.";
  const char* kFrom = "From frequency must range between 100 and 30000 kHz.";
  const char* kOffset = "UT Offset must be within +/- 1200 hours.";
  const Case cases[] = {
      {"tx 0", [](OptionsForm& f) { f.char_pacing = "0"; }, ""},
      {"tx padded", [](OptionsForm& f) { f.char_pacing = " 7 "; }, ""},
      {"tx -1", [](OptionsForm& f) { f.char_pacing = "-1"; }, kTx},
      {"tx word", [](OptionsForm& f) { f.char_pacing = "five"; }, kTx},
      {"tx empty", [](OptionsForm& f) { f.char_pacing = ""; }, kTx},
      {"tx fraction", [](OptionsForm& f) { f.char_pacing = "5.5"; }, kTx},
      {"tx huge", [](OptionsForm& f) { f.char_pacing = "99999999999999999999"; }, kTx},
      {"rx 1000", [](OptionsForm& f) { f.line_pacing = "1000"; }, ""},
      {"rx 12ms", [](OptionsForm& f) { f.line_pacing = "12ms"; }, kRx},
      {"hf 0.01", [](OptionsForm& f) { f.hf_step = "0.01"; }, ""},
      {"hf 0.009", [](OptionsForm& f) { f.hf_step = "0.009"; }, kHf},
      {"hf comma", [](OptionsForm& f) { f.hf_step = "0,05"; }, kHf},
      {"hf empty", [](OptionsForm& f) { f.hf_step = "  "; }, kHf},
      {"vhf 0.1", [](OptionsForm& f) { f.vhf_step = "0.1"; }, ""},
      {"vhf 0.09", [](OptionsForm& f) { f.vhf_step = "0.09"; }, kVhf},
      {"vhf huge", [](OptionsForm& f) { f.vhf_step = "1e999"; }, kVhf},
      {"band off ignores edges",
       [](OptionsForm& f) {
         f.from_freq = "x";
         f.to_freq = "";
       },
       ""},
      {"band on, edge words",
       [](OptionsForm& f) {
         f.except_enabled = true;
         f.from_freq = "low";
       },
       kFrom},
      {"band on, 100 to 30000",
       [](OptionsForm& f) {
         f.except_enabled = true;
         f.from_freq = " 100 ";
         f.to_freq = "30000.00";
       },
       ""},
      {"-12 h 00",
       [](OptionsForm& f) {
         f.sign_item = 1;
         f.hour_item = 12;
         f.minute_item = 0;
       },
       ""},
      {"-12 h 15",
       [](OptionsForm& f) {
         f.sign_item = 1;
         f.hour_item = 12;
         f.minute_item = 1;
       },
       kOffset},
      {"+12 h 45",
       [](OptionsForm& f) {
         f.hour_item = 12;
         f.minute_item = 3;
       },
       kOffset},
      {"hours without minutes", [](OptionsForm& f) { f.minute_item = -1; },
       "Must set a UT time offset."},
      {"seek without delay",
       [](OptionsForm& f) {
         f.mode_item = 0;
         f.type_item = 0;
         f.delay_item = -1;
       },
       ""},
      {"time without delay",
       [](OptionsForm& f) {
         f.mode_item = 0;
         f.type_item = 1;
         f.delay_item = -1;
       },
       "Must set a default scanning time delay."},
      {"list on an R8 with only bank 12",
       [](OptionsForm& f) {
         f.model_item = 0;
         f.mode_item = 1;
         f.type_item = 0;
         f.banks[12] = true;
       },
       "Must set default scanning memory banks."},
  };
  for (const Case& c : cases) {
    OptionsForm f = GoodForm();
    c.change(f);
    EXPECT_EQ(MessageOf(f), c.message) << c.what;
  }
}

TEST(OptionsChecks, AlternateBandFromEqualToToFailsWithTheFromMessage) {
  OptionsForm f = GoodForm();
  f.except_enabled = true;
  f.from_freq = "6000";
  f.to_freq = "6000.00";
  EXPECT_EQ(MessageOf(f), "The 'From' frequency must be less the 'To' frequency.");
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
  radio.BandUnits = 2;
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

TEST(OptionsForm, EnablingFollowsModelModeAndType) {
  OptionsForm f = GoodForm();
  f.model_item = 0;  // R8
  f.mode_item = 1;   // List
  f.type_item = 1;   // Time
  OptionsEnabling e = ComputeOptionsEnabling(f);
  EXPECT_TRUE(e.char_edit);
  EXPECT_FALSE(e.receiver_display);
  EXPECT_TRUE(e.delay_list);
  EXPECT_TRUE(e.banks[9]);
  EXPECT_FALSE(e.banks[10]);

  f.model_item = 1;  // R8A
  e = ComputeOptionsEnabling(f);
  EXPECT_FALSE(e.char_edit);
  EXPECT_TRUE(e.receiver_display);
  EXPECT_TRUE(e.banks[43]);
  EXPECT_FALSE(e.banks[44]);

  f.model_item = 2;  // R8B
  f.type_item = 0;   // Seek
  e = ComputeOptionsEnabling(f);
  EXPECT_TRUE(e.banks[99]);
  EXPECT_FALSE(e.delay_list);

  f.mode_item = 0;  // Mem
  e = ComputeOptionsEnabling(f);
  for (bool b : e.banks) EXPECT_FALSE(b);
  EXPECT_FALSE(e.band_edits);
  f.except_enabled = true;
  EXPECT_TRUE(ComputeOptionsEnabling(f).band_edits);
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
  ASSERT_FALSE(CheckErrors(f));

  Settings& s = t.ctx().settings();
  CommitOptionsForm(f, s);
  EXPECT_DOUBLE_EQ(s.TimeOffset, -5.75);
  EXPECT_EQ(s.local_clock, 1);
  EXPECT_EQ(s.CommPort, 2);
  EXPECT_EQ(s.scan_list, "000312");
  EXPECT_EQ(s.scan_delay, 7);
  ASSERT_TRUE(WriteOptionsFile(t.ctx().profile(), s));

  Settings back;
  ReadSettings(t.ctx().profile(), back);
  EXPECT_DOUBLE_EQ(back.TimeOffset, -5.75);
  EXPECT_EQ(back.local_clock, 1);
  EXPECT_EQ(back.RadioModel, kModelR8A);
  EXPECT_EQ(back.primary_antenna, 1);
  EXPECT_EQ(back.CommPort, 2);
  EXPECT_EQ(back.TxPace, 5);
  EXPECT_EQ(back.RxPace, 115);
  EXPECT_TRUE(back.IgnoreDSR);
  EXPECT_TRUE(back.ex_freq_enabled);
  EXPECT_DOUBLE_EQ(back.ex_freq1, 5000.0);
  EXPECT_DOUBLE_EQ(back.ex_freq2, 7000.0);
  EXPECT_EQ(back.scan_mode, 2);
  EXPECT_EQ(back.scan_type, 3);
  EXPECT_EQ(back.scan_delay, 7);
  EXPECT_EQ(back.scan_list, "000312");
  EXPECT_EQ(back.mark_color, 0x0000FF);
  EXPECT_EQ(back.high_color, 0x00FF00);
  EXPECT_EQ(back.hints, 0);
  EXPECT_EQ(ReadLogDetails(t.ctx().profile()), f.log);
}

TEST(OptionsForm, NoOffsetWithTheMinusSignIsWrittenWithoutOne) {
  TestContext t;
  OptionsForm f = GoodForm();
  f.sign_item = 1;
  f.hour_item = 0;
  f.minute_item = 0;
  CommitOptionsForm(f, t.ctx().settings());
  ASSERT_TRUE(WriteOptionsFile(t.ctx().profile(), t.ctx().settings()));
  EXPECT_EQ(t.ctx().profile().ReadString("OPTIONS", "TIME", ""), "0.00");
}

TEST(OptionsForm, ABandEdgeThatIsNotAUsableNumberIsStoredAsZero) {
  Settings s;
  OptionsForm f = GoodForm();
  f.from_freq = "abc";
  f.to_freq = "1e300";
  CommitOptionsForm(f, s);
  EXPECT_EQ(s.ex_freq1, 0.0);
  EXPECT_EQ(s.ex_freq2, 0.0);
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
  void Start(int model) {
    t = std::make_unique<TestContext>(model);
    core = std::make_unique<OptionsCore>(t->ctx());
    t->ctx().settings().TimeOffset = 1.0;
    t->ctx().settings().primary_antenna = 1;
    form = core->FormShow();
  }
  std::unique_ptr<TestContext> t;
  std::unique_ptr<OptionsCore> core;
  OptionsForm form;
};

TEST_F(OptionsCoreTest, OkWritesTheFileAndReopensThePort) {
  Start(kModelR8A);
  t->Connect();
  const int opens = t->port().open_count();
  form = core->FormShow();
  const auto out = core->OKBtnClick(form, ScreenPoint{10, 500});
  EXPECT_TRUE(out.close);
  EXPECT_TRUE(t->prompts().messages.empty());
  EXPECT_TRUE(std::filesystem::exists(t->settings_path()));
  EXPECT_EQ(t->port().open_count(), opens + 1);
  EXPECT_EQ(t->ctx().link().PortError(), 0);
}

TEST_F(OptionsCoreTest, AFailedCheckShowsAWarningBelowTheDialogAndWritesNothing) {
  Start(kModelR8A);
  form.antenna_item = -1;
  const auto out = core->OKBtnClick(form, ScreenPoint{10, 500});
  EXPECT_FALSE(out.close);
  EXPECT_EQ(out.page, kPageRadio);
  ASSERT_EQ(t->prompts().messages.size(), 1u);
  const MessageRequest& m = t->prompts().messages[0];
  EXPECT_EQ(m.kind, MessageKind::kWarning);
  EXPECT_EQ(m.buttons, MessageButtons::kOk);
  EXPECT_EQ(m.text, "Must set a default antenna port.");
  ASSERT_TRUE(m.top_left);
  EXPECT_EQ(m.top_left->y, 500);
  EXPECT_FALSE(std::filesystem::exists(t->settings_path()));

  // The character pacing message is the one shown where the system puts boxes.
  form = core->FormShow();
  form.char_pacing = "x";
  core->CancelBtnClick(form, ScreenPoint{10, 500});
  ASSERT_EQ(t->prompts().messages.size(), 2u);
  EXPECT_FALSE(t->prompts().messages[1].top_left);
}

TEST_F(OptionsCoreTest, CancelWritesNothingButKeepsWhatTheImmediateHandlersChanged) {
  Start(kModelR8A);
  core->HintsBoxClick(false);
  core->ExceptBoxClick(true, " 5900 ", "6200.5");
  core->RadioGrpClick(2);
  form.hints = false;
  form.except_enabled = true;
  form.from_freq = "5900";
  form.to_freq = "6200.5";
  form.model_item = 2;
  form.port_item = 5;  // not immediate: Cancel forgets it
  const auto out = core->CancelBtnClick(form, std::nullopt);
  EXPECT_TRUE(out.close);
  EXPECT_FALSE(std::filesystem::exists(t->settings_path()));
  const Settings& s = t->ctx().settings();
  EXPECT_EQ(s.hints, 0);
  EXPECT_TRUE(s.ex_freq_enabled);
  EXPECT_DOUBLE_EQ(s.ex_freq1, 5900.0);
  EXPECT_DOUBLE_EQ(s.ex_freq2, 6200.5);
  EXPECT_EQ(s.RadioModel, kModelR8B);
  EXPECT_EQ(s.CommPort, 1);
}

TEST_F(OptionsCoreTest, CancelRefusesToCloseWhileAPageHoldsAFault) {
  Start(kModelR8A);
  form.line_pacing = "2000";
  const auto out = core->CancelBtnClick(form, std::nullopt);
  EXPECT_FALSE(out.close);
  EXPECT_EQ(out.page, kPageComms);
  EXPECT_EQ(t->prompts().texts(), std::vector<std::string>{"RX Pace must range within 0 to 1000."});
}

TEST_F(OptionsCoreTest, CancelAfterAModelChangeReopensAnOpenPortForTheNewModel) {
  Start(kModelR8A);
  t->Connect();
  const int opens = t->port().open_count();
  core->RadioGrpClick(0);
  form.model_item = 0;
  core->CancelBtnClick(form, std::nullopt);
  EXPECT_EQ(t->port().open_count(), opens + 1);

  // No change of model, no reopening.
  form = core->FormShow();
  core->CancelBtnClick(form, std::nullopt);
  EXPECT_EQ(t->port().open_count(), opens + 1);
}

TEST_F(OptionsCoreTest, OkRebuildsTheScanBankFlagsFromTheNewList) {
  Start(kModelR8A);
  form.mode_item = 1;
  form.type_item = 0;
  form.banks[0] = form.banks[3] = form.banks[12] = true;
  form.banks[60] = true;  // an R8B bank: not on an R8A
  const auto out = core->OKBtnClick(form, std::nullopt);
  ASSERT_TRUE(out.close);
  EXPECT_EQ(t->ctx().profile().ReadString("OPTIONS", "SCANLIST", ""), "000312");
  BankFlags expected{};
  expected[0] = expected[3] = expected[12] = true;
  EXPECT_EQ(out.scan_banks, expected);
}

TEST_F(OptionsCoreTest, DisplayHandlersSendNothingWhileFilling) {
  Start(kModelR8A);
  t->Connect();
  t->port().ClearLog();
  core->set_filling(true);
  core->RadioTimeBtnClick();
  core->RadioTimeDispClick(0);
  core->RadioDispClick(1);
  core->ChangeRadioBright();
  core->ChangeRadioStep();
  core->RadioNameDispClick(1);
  core->RadioBandDispClick(1);
  EXPECT_TRUE(t->port().commands().empty());
  EXPECT_EQ(t->ctx().settings().ClockDisplay, 2);
  EXPECT_EQ(t->radio().BandUnits, 1);

  core->set_filling(false);
  int refreshes = 0;
  t->ctx().control().on_update_display = [&] { ++refreshes; };
  core->RadioTimeDispClick(0);
  core->RadioBandDispClick(1);
  EXPECT_EQ(t->port().commands(), (std::vector<std::string>{"TL\r", "SM\r"}));
  EXPECT_EQ(t->ctx().settings().ClockDisplay, 1);
  EXPECT_EQ(t->radio().BandUnits, 2);
  EXPECT_EQ(refreshes, 1);
}

TEST_F(OptionsCoreTest, TheLogDetailsComeFromTheFileWhenTheDialogOpens) {
  Start(kModelR8A);
  WriteBytes(t->settings_path(), "[LOG]\nDXER=Bea\nRCVR=My set\n");
  const OptionsForm f = core->FormShow();
  EXPECT_EQ(f.log.dxer, "Bea");
  EXPECT_EQ(f.log.rcvr, "My set");
  EXPECT_EQ(f.log.antenna, "");
}

TEST_F(OptionsCoreTest, ASettingsFileThatCannotBeWrittenIsReportedNotPassedOver) {
  Start(kModelR8A);
  // A folder where the file should be: nothing can replace it.
  std::filesystem::create_directory(t->settings_path());
  const auto out = core->OKBtnClick(form, std::nullopt);
  EXPECT_TRUE(out.close);  // the choices are in force for this run
  ASSERT_EQ(t->prompts().messages.size(), 1u);
  EXPECT_EQ(t->prompts().messages[0].kind, MessageKind::kError);
  EXPECT_EQ(t->prompts().messages[0].text.rfind("The options could not be saved in", 0), 0u);
}

}  // namespace
}  // namespace r8
