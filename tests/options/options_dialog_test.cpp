#include "options/options_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "help/help_topics.h"
#include "options/color_grid_widget.h"
#include "options/port_setup_dialog.h"
#include "options/radio_group_widget.h"
#include "radio/port_names.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::ReadBytes;
using testing::TestContext;
using testing::WriteBytes;

// A settings file as a user who has set the program up would have it.
constexpr const char* kSetUpFile =
    "[OPTIONS]\r\nTIME=  1.00\r\nLOCAL=2\r\nRADIO=2\r\nANTENNA=1\r\nPORT=1\r\nTXPACE=5\r\n"
    "RXPACE=115\r\nIGNOREDSR=0\r\nSCANMODE=2\r\nSCANTYPE=2\r\nSCANDELAY=7\r\n"
    "SCANLIST=000312\r\nEXFREQ=1\r\nEXFREQ1=5900.00\r\nEXFREQ2=6200.00\r\nHSTEP=0.01\r\n"
    "VSTEP=0.10\r\nMARK=     8388608\r\nHIGH=    16776960\r\nHINTS=1\r\n"
    "[LOG]\r\nDXER=Ann Example\r\nADDR1=1 Station Road\r\nADDR2=Hilltown\r\nRCVR=R8A\r\n"
    "ANTENNA=30 m longwire\r\nCONDX=Fair\r\n";

class OptionsDialogTest : public ::testing::Test {
 protected:
  // model: the receiver in the emulator; file: the settings file to start from (none for a
  // first start).
  void Open(int model, const char* file = kSetUpFile, bool connect = false) {
    dlg.reset();
    t = std::make_unique<TestContext>(model);
    if (file) {
      WriteBytes(t->settings_path(), file);
      t->ctx().LoadSettings();
    } else {
      t->ctx().settings().RadioModel = kModelNone;
      t->ctx().settings().CommPort = 1;
    }
    if (connect) t->Connect();
    t->port().ClearLog();
    dlg = std::make_unique<TOptions>(t->ctx());
    dlg->show_help = [this](int c) { help_calls.push_back(c); };
    dlg->move(0, 0);
    dlg->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
  }
  std::string Key(const char* key, const char* section = "OPTIONS") {
    return t->ctx().profile().ReadString(section, key, "<none>");
  }
  std::vector<std::string> Boxes() { return t->prompts().texts(); }
  void TearDown() override { dlg.reset(); }

  std::unique_ptr<TestContext> t;
  std::unique_ptr<TOptions> dlg;
  std::vector<int> help_calls;
};

TEST_F(OptionsDialogTest, HasItsSevenPagesAndEveryCaption) {
  Open(kModelR8A);
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Default Options"));
  const QStringList pages = {"Comms", "Time", "Radio", "Scan", "Log", "Display", "General"};
  ASSERT_EQ(dlg->OptionPage->count(), pages.size());
  for (int i = 0; i < pages.size(); ++i) EXPECT_EQ(dlg->OptionPage->tabText(i), pages[i]);
  EXPECT_EQ(dlg->OKBtn->text(), QStringLiteral("&OK"));
  EXPECT_EQ(dlg->CancelBtn->text(), QStringLiteral("Cancel"));
  EXPECT_EQ(dlg->HelpBtn->text(), QStringLiteral("&Help"));

  const std::pair<QGroupBox*, const char*> groups[] = {{dlg->RxPort, "Receiver Port"},
                                                       {dlg->CommsPacing, "Comms Pacing (mSec)"},
                                                       {dlg->TimeBox, "UT Time Adjustment"},
                                                       {dlg->TimeOffset, "UT Offset"},
                                                       {dlg->LocalTime, "Local Time Display"},
                                                       {dlg->AntPort, "Primary HF Antenna"},
                                                       {dlg->AntEx, "Alternate Band (kHz)"},
                                                       {dlg->RadioGrp, "Receiver Model"},
                                                       {dlg->SmallStep, "Small Stepsize (kHz)"},
                                                       {dlg->ScanParms, "Scanning Parameters"},
                                                       {dlg->RadioTimeDisp, "Clock Display"},
                                                       {dlg->RadioDisp, "Display Mode"},
                                                       {dlg->RadioNameDisp, "Name Mode Control"},
                                                       {dlg->RadioBandDisp, "Band Display"},
                                                       {dlg->MarkGrp, "Marking Colors"}};
  for (auto [g, title] : groups) EXPECT_EQ(g->title(), QString::fromLatin1(title));

  const std::pair<QAbstractButton*, const char*> buttons[] = {
      {dlg->PortBtn, "&Port Setup"},
      {dlg->IgnoreCB, "Disable Radio Sensing (ignores Comms status indicator)"},
      {dlg->TimeBtn, "&Set Time"},
      {dlg->ExceptBox, "&Enabled"},
      {dlg->RadioTimeBtn, "Set &Radio Clocks"},
      {dlg->RadioBrightBtn, "LCD &Brightness"},
      {dlg->StepBtn, "&Step Size"},
      {dlg->HintsBox, "Show help hints on buttons / hypertext items "}};
  for (auto [b, text] : buttons) EXPECT_EQ(b->text(), QString::fromLatin1(text));

  auto items = [](TRadioGroup* g) {
    QStringList out;
    for (int i = 0; i < g->Count(); ++i) out << g->Button(i)->text();
    return out;
  };
  EXPECT_EQ(items(dlg->RxPort), QStringList({"COM&1:", "COM&2:", "COM&3:", "COM&4:", "COM&5:",
                                             "COM&6:", "COM&7:", "COM&8:"}));
  EXPECT_EQ(items(dlg->TimeOffset), QStringList({"&+", "&-"}));
  EXPECT_EQ(items(dlg->LocalTime), QStringList({"  &12:59", "  &23:59"}));
  EXPECT_EQ(items(dlg->AntPort), QStringList({"&1", "&2"}));
  EXPECT_EQ(items(dlg->RadioGrp), QStringList({"&R8", "R8&a", "R8&b"}));
  EXPECT_EQ(items(dlg->RadioTimeDisp), QStringList({"&Local", "&UTC"}));
  EXPECT_EQ(items(dlg->RadioDisp), QStringList({"&Freq", "&Clock"}));
  EXPECT_EQ(items(dlg->RadioNameDisp), QStringList({"Off", "On"}));
  EXPECT_EQ(items(dlg->RadioBandDisp), QStringList({"&kHz", "&MHz"}));

  auto list = [](QComboBox* c) {
    QStringList out;
    for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
    return out;
  };
  EXPECT_EQ(list(dlg->HourLst).size(), 13);
  EXPECT_EQ(list(dlg->HourLst).front(), QStringLiteral("00"));
  EXPECT_EQ(list(dlg->HourLst).back(), QStringLiteral("12"));
  EXPECT_EQ(list(dlg->MinLst), QStringList({"00", "15", "30", "45"}));
  EXPECT_EQ(list(dlg->ModeLst), QStringList({"Mem", "List", "A-B", "Freq"}));
  EXPECT_EQ(list(dlg->TypeLst), QStringList({"Seek", "Time", "Carr"}));
  EXPECT_EQ(list(dlg->DelayLst),
            QStringList({"10", "20", "50", "100", "200", "500", "1000", "2000", "5000", "10000"}));
  ASSERT_EQ(dlg->BankTabs->count(), 4);
  EXPECT_EQ(dlg->BankTabs->tabText(0), QStringLiteral("00-24"));
  EXPECT_EQ(dlg->BankTabs->tabText(3), QStringLiteral("75-99"));
  for (int b = 0; b < kBankCount; ++b) {
    EXPECT_EQ(dlg->Bank[b]->objectName(), QStringLiteral("Bank%1").arg(b));
  }
}

TEST_F(OptionsDialogTest, FillsFromTheSettingsWithoutSendingAnythingToTheReceiver) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  EXPECT_TRUE(t->port().commands().empty());
  EXPECT_EQ(dlg->RxPort->ItemIndex(), 0);
  EXPECT_EQ(dlg->TimeOffset->ItemIndex(), 0);
  EXPECT_EQ(dlg->HourLst->currentText(), QStringLiteral("01"));
  EXPECT_EQ(dlg->MinLst->currentText(), QStringLiteral("00"));
  EXPECT_EQ(dlg->RadioGrp->ItemIndex(), 1);
  EXPECT_TRUE(dlg->ExceptBox->isChecked());
  EXPECT_EQ(dlg->FromFreq->text(), QStringLiteral("5900.00"));
  EXPECT_EQ(dlg->ModeLst->currentText(), QStringLiteral("List"));
  EXPECT_EQ(dlg->DelayLst->currentText(), QStringLiteral("1000"));
  EXPECT_TRUE(dlg->Bank[0]->isChecked() && dlg->Bank[3]->isChecked() && dlg->Bank[12]->isChecked());
  EXPECT_FALSE(dlg->Bank[1]->isChecked());
  EXPECT_EQ(dlg->DXerEdit->text(), QStringLiteral("Ann Example"));
  EXPECT_EQ(dlg->RadioTimeDisp->ItemIndex(), 1);  // UTC
  EXPECT_EQ(dlg->RadioBandDisp->ItemIndex(), 0);  // kHz
  EXPECT_EQ(dlg->RadioDisp->ItemIndex(), -1);
  EXPECT_EQ(dlg->RadioNameDisp->ItemIndex(), -1);
  EXPECT_EQ(dlg->ColorGrid->BackgroundIndex(), ColorGridIndex(0x800000));
  EXPECT_EQ(dlg->ColorGrid->ForegroundIndex(), ColorGridIndex(0xFFFF00));
  EXPECT_EQ(dlg->MarkEdit->palette().color(QPalette::Text), QColor(0, 0, 0x80));
}

TEST_F(OptionsDialogTest, FirstStartWithoutAReceiverStopsOnTheRadioPage) {
  Open(kModelR8A, nullptr);
  EXPECT_EQ(dlg->RadioGrp->ItemIndex(), -1);
  EXPECT_EQ(dlg->HourLst->currentIndex(), -1);  // TIME not set yet
  dlg->HourLst->setCurrentIndex(0);
  dlg->MinLst->setCurrentIndex(0);
  dlg->OKBtn->click();
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Must define the proper receiver."});
  EXPECT_EQ(dlg->OptionPage->currentIndex(), kPageRadio);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_FALSE(std::filesystem::exists(t->settings_path()));
}

TEST_F(OptionsDialogTest, WarningsSitBelowTheDialog) {
  Open(kModelR8A);
  dlg->LineEdit->setText(QStringLiteral("abc"));
  dlg->OKBtn->click();
  ASSERT_EQ(t->prompts().messages.size(), 1u);
  const auto& m = t->prompts().messages[0];
  EXPECT_EQ(m.text, "RX Pace must range within 0 to 1000.");
  EXPECT_EQ(m.kind, MessageKind::kWarning);
  const QRect frame = dlg->frameGeometry();
  const QRect screen = dlg->screen()->availableGeometry();
  ASSERT_LT(frame.bottom() + dlg->fontMetrics().height() * 8, screen.bottom());
  ASSERT_TRUE(m.top_left);
  EXPECT_EQ(m.top_left->x, frame.x());
  EXPECT_EQ(m.top_left->y, frame.y() + frame.height());
}

TEST_F(OptionsDialogTest, TheEdgeCasesOfTheChecks) {
  struct Case {
    const char* what;
    std::function<void(TOptions&)> act;
    const char* message;  // "" when OK closes the dialog
    int page;
  };
  const Case cases[] = {
      {"-12 h 00",
       [](TOptions& d) {
         d.TimeOffset->Button(1)->click();
         d.HourLst->setCurrentIndex(12);
         d.MinLst->setCurrentIndex(0);
       },
       "", -1},
      {"-12 h 15",
       [](TOptions& d) {
         d.TimeOffset->Button(1)->click();
         d.HourLst->setCurrentIndex(12);
         d.MinLst->setCurrentIndex(1);
       },
       "UT Offset must be within +/- 1200 hours.", kPageTime},
      {"from = to",
       [](TOptions& d) {
         d.FromFreq->setText(QStringLiteral("6000"));
         d.ToFreq->setText(QStringLiteral("6000"));
       },
       "The 'From' frequency must be less the 'To' frequency.", kPageRadio},
      {"Time without a delay",
       [](TOptions& d) {
         d.TypeLst->setCurrentIndex(1);
         d.DelayLst->setCurrentIndex(-1);
       },
       "Must set a default scanning time delay.", kPageScan},
      {"Seek without a delay",
       [](TOptions& d) {
         d.TypeLst->setCurrentIndex(0);
         d.DelayLst->setCurrentIndex(-1);
       },
       "", -1},
      {"List without banks",
       [](TOptions& d) {
         for (QCheckBox* b : d.Bank) b->setChecked(false);
       },
       "Must set default scanning memory banks.", kPageScan},
      {"typed pacing that is no number",
       [](TOptions& d) { d.CharEdit->setText(QStringLiteral("5 ms")); },
       "TX Pace must range within 0 to 100.", kPageComms},
  };
  for (const Case& c : cases) {
    Open(kModelR8A);
    dlg->OptionPage->setCurrentIndex(kPageLog);
    c.act(*dlg);
    dlg->OKBtn->click();
    if (*c.message == '\0') {
      EXPECT_TRUE(Boxes().empty()) << c.what;
      EXPECT_EQ(dlg->result(), QDialog::Accepted) << c.what;
      EXPECT_FALSE(dlg->isVisible()) << c.what;
    } else {
      EXPECT_EQ(Boxes(), std::vector<std::string>{c.message}) << c.what;
      EXPECT_EQ(dlg->OptionPage->currentIndex(), c.page) << c.what;
      EXPECT_TRUE(dlg->isVisible()) << c.what;
    }
  }
}

TEST_F(OptionsDialogTest, OkWritesTheSettingsAndTheBanksOfAnR8A) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  const int opens = t->port().open_count();
  dlg->RxPort->Button(2)->click();
  dlg->LocalTime->Button(0)->click();
  dlg->TimeOffset->Button(1)->click();
  dlg->HourLst->setCurrentIndex(5);
  dlg->MinLst->setCurrentIndex(3);
  dlg->AntPort->Button(1)->click();
  dlg->IgnoreCB->click();
  dlg->LineEdit->setText(QStringLiteral(" 200 "));
  dlg->HFStepE->setText(QStringLiteral("0.05"));
  dlg->VHFStepE->setText(QStringLiteral("2.5"));
  dlg->ModeLst->setCurrentIndex(1);
  dlg->TypeLst->setCurrentIndex(0);
  for (QCheckBox* b : dlg->Bank) b->setChecked(false);
  dlg->Bank[0]->click();
  dlg->Bank[3]->click();
  dlg->Bank[12]->click();
  dlg->CondxEdit->setText(QStringLiteral("Poor"));
  dlg->OKBtn->click();
  ASSERT_TRUE(Boxes().empty()) << Boxes().front();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);

  EXPECT_EQ(Key("SCANLIST"), "000312");
  EXPECT_EQ(Key("SCANMODE"), "2");
  EXPECT_EQ(Key("SCANTYPE"), "1");
  EXPECT_EQ(Key("PORT"), "3");
  EXPECT_EQ(Key("LOCAL"), "1");
  EXPECT_EQ(Key("TIME"), "-5.75");
  EXPECT_EQ(Key("ANTENNA"), "2");
  EXPECT_EQ(Key("IGNOREDSR"), "1");
  EXPECT_EQ(Key("RXPACE"), "200");
  EXPECT_EQ(Key("HSTEP"), "0.05");
  EXPECT_EQ(Key("VSTEP"), "2.50");
  EXPECT_EQ(Key("CONDX", "LOG"), "Poor");
  EXPECT_EQ(Key("DXER", "LOG"), "Ann Example");
  BankFlags expected{};
  expected[0] = expected[3] = expected[12] = true;
  EXPECT_EQ(dlg->scan_banks(), expected);
  // OK opens the port again with the new settings.
  EXPECT_EQ(t->port().open_count(), opens + 1);
  EXPECT_EQ(t->port().open_name(), "COM3");
}

TEST_F(OptionsDialogTest, CancelWritesNothing) {
  Open(kModelR8A);
  const std::string before = ReadBytes(t->settings_path());
  dlg->RxPort->Button(4)->click();
  dlg->DXerEdit->setText(QStringLiteral("Someone else"));
  dlg->HintsBox->click();
  dlg->CancelBtn->click();
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(ReadBytes(t->settings_path()), before);
  EXPECT_EQ(t->ctx().settings().CommPort, 1);
  // The hints box acts at once and stays as it was left.
  EXPECT_EQ(t->ctx().settings().hints, 0);
}

TEST_F(OptionsDialogTest, EscapeAndTheCloseBoxGoThroughCancelsChecks) {
  Open(kModelR8A);
  dlg->LineEdit->setText(QStringLiteral("5000"));
  QTest::keyClick(dlg.get(), Qt::Key_Escape);
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(Boxes(), std::vector<std::string>{"RX Pace must range within 0 to 1000."});
  dlg->LineEdit->setText(QStringLiteral("500"));
  dlg->close();
  EXPECT_FALSE(dlg->isVisible());
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
}

TEST_F(OptionsDialogTest, ImmediateHandlersEnableWhatTheModelModeAndTypeAllow) {
  Open(kModelR8A);
  dlg->ModeLst->setCurrentIndex(0);  // Mem
  EXPECT_FALSE(dlg->Bank[0]->isEnabled());
  dlg->ModeLst->setCurrentIndex(1);  // List
  EXPECT_TRUE(dlg->Bank[0]->isEnabled());
  EXPECT_TRUE(dlg->Bank[43]->isEnabled());
  EXPECT_FALSE(dlg->Bank[44]->isEnabled());
  EXPECT_TRUE(dlg->DelayLst->isEnabled());  // type Time
  dlg->TypeLst->setCurrentIndex(2);
  EXPECT_FALSE(dlg->DelayLst->isEnabled());
  EXPECT_FALSE(dlg->CharEdit->isEnabled());
  EXPECT_TRUE(dlg->RadioBrightBtn->isEnabled());

  dlg->RadioGrp->Button(0)->click();  // R8, at once
  EXPECT_EQ(t->ctx().settings().RadioModel, kModelR8);
  EXPECT_TRUE(dlg->CharEdit->isEnabled());
  EXPECT_FALSE(dlg->Bank[10]->isEnabled());
  for (QWidget* w :
       std::initializer_list<QWidget*>{dlg->RadioTimeBtn, dlg->RadioDisp, dlg->RadioBrightBtn,
                                       dlg->RadioNameDisp, dlg->RadioBandDisp}) {
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  }
  EXPECT_TRUE(dlg->StepBtn->isEnabled());
  EXPECT_TRUE(dlg->RadioTimeDisp->isEnabled());

  dlg->RadioGrp->Button(2)->click();  // R8B
  EXPECT_TRUE(dlg->Bank[99]->isEnabled());

  dlg->ExceptBox->click();  // off, at once
  EXPECT_FALSE(t->ctx().settings().ex_freq_enabled);
  EXPECT_FALSE(dlg->FromFreq->isEnabled());
  dlg->FromFreq->setText(QStringLiteral("7100"));
  dlg->ExceptBox->click();
  EXPECT_TRUE(t->ctx().settings().ex_freq_enabled);
  EXPECT_DOUBLE_EQ(t->ctx().settings().ex_freq1, 7100.0);
  EXPECT_TRUE(dlg->ToFreq->isEnabled());
}

TEST_F(OptionsDialogTest, TheColourGridChoosesMarkAndHighlightColours) {
  Open(kModelR8A);
  TColorGrid* g = dlg->ColorGrid;
  const QPoint red = g->CellRect(ColorGridIndex(0x0000FF)).center();
  const QPoint lime = g->CellRect(ColorGridIndex(0x00FF00)).center();
  QTest::mouseClick(g, Qt::RightButton, Qt::NoModifier, red);
  QTest::mouseClick(g, Qt::LeftButton, Qt::NoModifier, lime);
  EXPECT_EQ(dlg->MarkEdit->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(dlg->MarkHighEdit->palette().color(QPalette::Text), QColor(Qt::green));
  dlg->OKBtn->click();
  EXPECT_EQ(Key("MARK"), "255");
  EXPECT_EQ(Key("HIGH"), "65280");
}

TEST_F(OptionsDialogTest, DisplayCommandsReachAnR8AButNotAnR8) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  int refreshes = 0;
  t->ctx().control().on_update_display = [&] { ++refreshes; };
  dlg->OptionPage->setCurrentIndex(kPageDisplay);
  dlg->RadioTimeBtn->click();
  dlg->RadioDisp->Button(1)->click();
  dlg->RadioBrightBtn->click();
  dlg->StepBtn->click();
  dlg->RadioNameDisp->Button(1)->click();
  dlg->RadioTimeDisp->Button(0)->click();
  dlg->RadioBandDisp->Button(1)->click();
  const std::vector<std::string> sent = t->port().commands();
  ASSERT_EQ(sent.size(), 8u);
  EXPECT_EQ(sent[0].substr(0, 6), "TL1430");  // the local clock first, UTC shown last
  EXPECT_EQ(sent[1].substr(0, 6), "TU1530");
  EXPECT_EQ(std::vector<std::string>(sent.begin() + 2, sent.end()),
            (std::vector<std::string>{"TI\r", "LB\r", "ST\r", "NA\r", "TL\r", "SM\r"}));
  EXPECT_EQ(t->ctx().settings().ClockDisplay, 1);
  EXPECT_EQ(t->radio().BandUnits, 2);
  EXPECT_EQ(refreshes, 1);  // "Band Display" has the faceplate read the receiver again

  std::string r8_file = kSetUpFile;
  r8_file.replace(r8_file.find("RADIO=2"), 7, "RADIO=1");
  Open(kModelR8, r8_file.c_str(), /*connect=*/true);
  ASSERT_EQ(t->ctx().link().PortError(), 0);
  // Even handlers run directly (as a shortcut could) leave an R8 alone, except the step key.
  dlg->RadioTimeBtnClick();
  dlg->RadioDispClick(1);
  dlg->ChangeRadioBright();
  dlg->RadioNameDispClick(1);
  dlg->RadioBandDispClick(1);
  dlg->StepBtn->click();
  dlg->RadioTimeDisp->Button(0)->click();
  EXPECT_EQ(t->port().commands(), std::vector<std::string>{"ST\r"});
  EXPECT_EQ(t->ctx().settings().ClockDisplay, 1);  // the faceplate clock still follows
}

TEST_F(OptionsDialogTest, CancelKeepsTheModelAndReopensThePortForIt) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  const int opens = t->port().open_count();
  dlg->RadioGrp->Button(2)->click();
  dlg->CancelBtn->click();
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
  EXPECT_EQ(t->ctx().settings().RadioModel, kModelR8B);
  EXPECT_EQ(t->port().open_count(), opens + 1);
  EXPECT_EQ(Key("RADIO"), "2");
}

TEST_F(OptionsDialogTest, SetTimeOpensTheDesktopsSettingsOrSaysWhereTheClockIsSet) {
  Open(kModelR8A);
  qputenv("XDG_CURRENT_DESKTOP", "GNOME");
  dlg->find_program = [](const std::string& name) {
    return name == "gnome-control-center" ? "/usr/bin/" + name : std::string();
  };
  dlg->TimeBtn->click();
  ASSERT_EQ(t->launcher().calls.size(), 1u);
  EXPECT_EQ(t->launcher().calls[0].program, "/usr/bin/gnome-control-center");
  EXPECT_EQ(t->launcher().calls[0].arguments, std::vector<std::string>{"datetime"});
  EXPECT_TRUE(Boxes().empty());

  t->launcher().succeed = false;  // found but would not start
  dlg->TimeBtn->click();
  dlg->find_program = [](const std::string&) { return std::string(); };
  dlg->TimeBtn->click();
  EXPECT_EQ(Boxes(), std::vector<std::string>(2, std::string(kClockSetOutside)));
  EXPECT_EQ(t->prompts().messages[0].kind, MessageKind::kInformation);
  qunsetenv("XDG_CURRENT_DESKTOP");
}

TEST_F(OptionsDialogTest, PortSetupAssignsTheChosenPortToTheEmulator) {
  Open(kModelR8A);
  dlg->list_devices = [] {
    return std::vector<SerialDeviceInfo>{
        {"/dev/ttyUSB0", "USB serial adapter", "Adapter maker", 0x0403, 0x6001}};
  };
  dlg->RxPort->Button(3)->click();
  bool seen = false;
  testing::OnNextModal([&](QWidget* w) {
    auto* setup = qobject_cast<QDialog*>(w);
    auto* port = dynamic_cast<TPortSetupDlg*>(setup);
    ASSERT_NE(port, nullptr);
    seen = true;
    EXPECT_EQ(port->MappingLbl->text(),
              QStringLiteral("COM4: is /dev/ttyS3 (the system's default)"));
    port->EmulatorRb->click();
    port->OKBtn->click();
  });
  dlg->PortBtn->click();
  EXPECT_TRUE(seen);
  EXPECT_TRUE(ResolvePort(t->ctx().profile(), "COM4").emulator);
}

TEST_F(OptionsDialogTest, HelpButtonAndF1OpenTheDialogsAndThePagesTopics) {
  Open(kModelR8A);
  dlg->HelpBtn->click();
  dlg->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
  dlg->OptionPage->setCurrentIndex(kPageScan);
  dlg->DelayLst->setFocus();
  QTest::keyClick(dlg.get(), Qt::Key_F1);
  dlg->OptionPage->setCurrentIndex(kPageComms);
  dlg->LineEdit->setFocus();
  QTest::keyClick(dlg.get(), Qt::Key_F1);
  dlg->OKBtn->setFocus();
  QTest::keyClick(dlg.get(), Qt::Key_F1);
  EXPECT_EQ(help_calls, (std::vector<int>{kHelpOptions, 654, 651, kHelpOptions}));
}

TEST_F(OptionsDialogTest, ShowOptionsOpensOnThePageAskedFor) {
  t = std::make_unique<TestContext>(kModelR8A);
  WriteBytes(t->settings_path(), kSetUpFile);
  t->ctx().LoadSettings();
  int page = -1;
  testing::OnNextModal([&](QWidget* w) {
    auto* d = dynamic_cast<TOptions*>(w);
    ASSERT_NE(d, nullptr);
    page = d->OptionPage->currentIndex();
    d->OptionPage->setCurrentIndex(kPageLog);
    d->CancelBtn->click();
  });
  const OptionsOutcome out = ShowOptions(t->ctx(), nullptr, kPageScan);
  EXPECT_EQ(page, kPageScan);
  EXPECT_FALSE(out.ok);
  EXPECT_EQ(out.page, kPageLog);
  EXPECT_FALSE(RunFirstStart(t->ctx(), nullptr));  // the file exists: no first start
}

TEST_F(OptionsDialogTest, FirstStartOpensTheDialogBeforeThePortAndOkCreatesTheFile) {
  t = std::make_unique<TestContext>(kModelR8A);
  t->ctx().LoadSettings();
  t->ctx().settings().CommPort = 1;
  bool port_was_closed = false;
  testing::OnNextModal([&](QWidget* w) {
    auto* d = dynamic_cast<TOptions*>(w);
    ASSERT_NE(d, nullptr);
    port_was_closed = t->port().open_count() == 0 && !t->ctx().link().port_open();
    EXPECT_EQ(d->OptionPage->currentIndex(), kPageComms);
    d->RadioGrp->Button(1)->click();
    d->HourLst->setCurrentIndex(0);
    d->MinLst->setCurrentIndex(0);
    d->OKBtn->click();
  });
  const auto out = RunFirstStart(t->ctx(), nullptr);
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->ok);
  EXPECT_TRUE(port_was_closed);
  ASSERT_TRUE(std::filesystem::exists(t->settings_path()));
  EXPECT_EQ(Key("RADIO"), "2");
  EXPECT_EQ(Key("PORT"), "1");
  EXPECT_EQ(Key("TIME"), "0.00");
  EXPECT_EQ(Key("DXER", "LOG"), "");
  EXPECT_EQ(t->ctx().link().PortError(), 0);
}

TEST_F(OptionsDialogTest, PicturesOfEveryPage) {
  Open(kModelR8A);
  dlg->resize(dlg->sizeHint());
  const char* names[] = {"comms", "time", "radio", "scan", "log", "display", "general"};
  for (int page = 0; page < kOptionsPageCount; ++page) {
    dlg->OptionPage->setCurrentIndex(page);
    QApplication::processEvents();
    const QString path =
        testing::SaveShot(dlg.get(), QStringLiteral("options_%1_%2").arg(page).arg(names[page]));
    EXPECT_FALSE(QImage(path).isNull()) << path.toStdString();
  }
}

}  // namespace
}  // namespace r8
