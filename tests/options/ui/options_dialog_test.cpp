#include "options/ui/options_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "help/help_topics.h"
#include "options/ui/color_grid_widget.h"
#include "options/ui/port_setup_dialog.h"
#include "options/ui/radio_group_widget.h"
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
  // Opens the dialog on the emulated model, with the settings file given written beforehand.
  void Open(int model, const char* file = kSetUpFile, bool connect = false) {
    dlg.reset();
    t = std::make_unique<TestContext>(model);
    WriteBytes(t->settings_path(), file);
    t->ctx().LoadSettings();
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

TEST_F(OptionsDialogTest, FillsFromTheSettingsWithoutSendingAnythingToTheReceiver) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  EXPECT_TRUE(t->port().commands().empty());
  // The pages' numbers, which the checks and the help use, follow the tabs.
  ASSERT_EQ(dlg->OptionPage->count(), kOptionsPageCount);
  for (int i = 0; i < kOptionsPageCount; ++i) {
    EXPECT_EQ(dlg->OptionPage->tabText(i).toStdString(), kOptionsPageNames[i]);
  }
  // The form reaches the controls (the filling itself: tests/options/options_model_test.cpp).
  EXPECT_EQ(dlg->HourLst->currentText(), QStringLiteral("01"));
  EXPECT_TRUE(dlg->Bank[12]->isChecked());
  EXPECT_EQ(dlg->DXerEdit->text(), QStringLiteral("Ann Example"));
  EXPECT_EQ(dlg->ColorGrid->ForegroundIndex(), ColorGridIndex(0xFFFF00));
}

TEST_F(OptionsDialogTest, AFailedCheckShowsItsPageAndAWarningBelowTheDialog) {
  Open(kModelR8A);
  dlg->OptionPage->setCurrentIndex(kPageLog);
  dlg->FromFreq->setText(QStringLiteral("6000"));
  dlg->ToFreq->setText(QStringLiteral("6000"));
  dlg->OKBtn->click();
  EXPECT_EQ(Boxes(),
            std::vector<std::string>{"The 'From' frequency must be less the 'To' frequency."});
  EXPECT_EQ(dlg->OptionPage->currentIndex(), kPageRadio);
  EXPECT_TRUE(dlg->isVisible());
  const MessageRequest& m = t->prompts().messages.at(0);
  ASSERT_TRUE(m.top_left.has_value());
  EXPECT_EQ(m.top_left->y, dlg->frameGeometry().bottom() + 1);
}

TEST_F(OptionsDialogTest, OkWritesTheSettingsAndTheBanksOfAnR8A) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  const int opens = t->port().open_count();
  dlg->RxPort->Button(2)->click();
  dlg->TimeOffset->Button(1)->click();
  dlg->HourLst->setCurrentIndex(5);
  dlg->MinLst->setCurrentIndex(3);
  dlg->LineEdit->setText(QStringLiteral("200"));
  dlg->CompleteCB->click();
  EXPECT_EQ(dlg->NetPortEdit->text(), QStringLiteral("4532"));  // offered once switched on
  dlg->NetCB->click();
  dlg->NetPortEdit->setText(QStringLiteral("4540"));
  dlg->ModeLst->setCurrentIndex(1);
  dlg->TypeLst->setCurrentIndex(0);
  for (QCheckBox* b : dlg->Bank) b->setChecked(false);
  dlg->Bank[3]->click();
  dlg->Bank[60]->setChecked(true);  // an R8B bank: not on an R8A
  dlg->CondxEdit->setText(QStringLiteral("Poor"));
  dlg->OKBtn->click();
  ASSERT_TRUE(Boxes().empty()) << Boxes().front();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(Key("SCANLIST"), "03");
  EXPECT_EQ(Key("SCANTYPE"), "1");
  EXPECT_EQ(Key("PORT"), "3");
  EXPECT_EQ(Key("TIME"), "-5.75");
  EXPECT_EQ(Key("RXPACE"), "200");
  EXPECT_EQ(Key("RXCOMPLETE"), "1");
  EXPECT_EQ(Key("NETPORT"), "4540");
  EXPECT_EQ(Key("CONDX", "LOG"), "Poor");
  BankFlags expected{};
  expected[3] = true;
  EXPECT_EQ(dlg->scan_banks(), expected);
  // OK opens the port again with the new settings.
  EXPECT_EQ(t->port().open_count(), opens + 1);
  EXPECT_EQ(t->port().open_name(), "COM3");
}

TEST_F(OptionsDialogTest, CancelWritesNothingAndReopensThePortOnlyForANewModel) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  const std::string before = ReadBytes(t->settings_path());
  const int opens = t->port().open_count();
  dlg->RxPort->Button(4)->click();
  dlg->DXerEdit->setText(QStringLiteral("Someone else"));
  dlg->HintsBox->click();
  dlg->CancelBtn->click();
  EXPECT_EQ(dlg->result(), QDialog::Rejected);
  EXPECT_EQ(ReadBytes(t->settings_path()), before);
  EXPECT_EQ(t->ctx().settings().CommPort, 1);
  EXPECT_EQ(t->port().open_count(), opens);
  // The hints box acts at once and stays as it was left.
  EXPECT_EQ(t->ctx().settings().hints, 0);

  // So does the model, and the port opens again for it.
  dlg = std::make_unique<TOptions>(t->ctx());
  dlg->show();
  dlg->RadioGrp->Button(2)->click();
  dlg->CancelBtn->click();
  EXPECT_EQ(t->ctx().settings().RadioModel, kModelR8B);
  EXPECT_EQ(t->port().open_count(), opens + 1);
  EXPECT_EQ(ReadBytes(t->settings_path()), before);
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
  EXPECT_TRUE(dlg->Bank[43]->isEnabled());
  dlg->TypeLst->setCurrentIndex(2);
  EXPECT_FALSE(dlg->DelayLst->isEnabled());
  dlg->RadioGrp->Button(0)->click();  // R8, at once
  EXPECT_EQ(t->ctx().settings().RadioModel, kModelR8);
  EXPECT_FALSE(dlg->RadioDisp->isEnabled());
  dlg->ExceptBox->click();  // off, at once
  EXPECT_FALSE(t->ctx().settings().ex_freq_enabled);
  EXPECT_FALSE(dlg->FromFreq->isEnabled());
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

// Each control of the Display page reaches the receiver; that an R8 gets none of them but the
// step key is proven in tests/radio/radio_protocol_test.cpp.
TEST_F(OptionsDialogTest, DisplayControlsSendTheirCommands) {
  Open(kModelR8A, kSetUpFile, /*connect=*/true);
  int refreshes = 0;
  const Subscription refresh =
      t->ctx().commands().Register(AppCommand::kRefresh, [&](int) { ++refreshes; });
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
  EXPECT_EQ(t->radio().BandUnits, BandUnitsCode::kMHz);
  EXPECT_EQ(refreshes, 1);  // "Band Display" has the faceplate read the receiver again
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
  dlg->find_program = [](const std::string&) { return std::string(); };
  dlg->TimeBtn->click();
  EXPECT_EQ(Boxes(), std::vector<std::string>{std::string(kClockSetOutside)});
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

TEST_F(OptionsDialogTest, ShortCaptionsAreNotCutOff) {
  Open(kModelR8A);
  dlg->OptionPage->setCurrentIndex(kPageRadio);
  QApplication::processEvents();
  for (QLabel* l : dlg->findChildren<QLabel*>()) {
    if (l->text() != QStringLiteral("&To")) continue;
    const QFontMetrics fm = l->fontMetrics();
    // Each letter's own advance: what the label needs when the shortcut letter is drawn apart.
    EXPECT_GE(l->width(), fm.horizontalAdvance(QStringLiteral("T")) +
                              fm.horizontalAdvance(QStringLiteral("o")));
    return;
  }
  ADD_FAILURE() << "no \"To\" label";
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
    d->HourLst->setCurrentIndex(0);
    d->MinLst->setCurrentIndex(0);
    d->OKBtn->click();  // no receiver chosen yet: refused, nothing written
    EXPECT_FALSE(std::filesystem::exists(t->settings_path()));
    d->RadioGrp->Button(1)->click();
    d->OKBtn->click();
  });
  const auto out = RunFirstStart(t->ctx(), nullptr);
  ASSERT_TRUE(out);
  EXPECT_TRUE(out->ok);
  EXPECT_TRUE(port_was_closed);
  ASSERT_TRUE(std::filesystem::exists(t->settings_path()));
  EXPECT_EQ(Key("RADIO"), "2");
  EXPECT_EQ(t->ctx().link().PortError(), 0);
}

std::vector<SerialDeviceInfo> Devices() {
  return {{"/dev/ttyS0", "ttyS0", "", std::nullopt, std::nullopt},
          {"/dev/ttyUSB0", "USB serial adapter", "Adapter maker", 0x0403, 0x6001},
          {"/dev/ttyACM0", "USB CDC modem", "Maker", 0x2341, 0x0043}};
}

TEST(PortSetupWindow, ListsTheDevicesAndShowsTheCurrentMapping) {
  TestContext t;
  WriteBytes(t.settings_path(), "[PORTS]\nCOM2=/dev/ttyUSB0\nCOM5=/dev/odd-link\n");
  TPortSetupDlg dlg(t.ctx(), 2, Devices());
  dlg.show();
  ASSERT_EQ(dlg.DeviceLst->topLevelItemCount(), 3);
  EXPECT_EQ(dlg.DeviceLst->topLevelItem(1)->text(3), QStringLiteral("0403:6001"));
  EXPECT_EQ(dlg.MappingLbl->text(), QStringLiteral("COM2: is /dev/ttyUSB0"));
  EXPECT_TRUE(dlg.ListedRb->isChecked());
  EXPECT_EQ(dlg.DeviceLst->currentItem(), dlg.DeviceLst->topLevelItem(1));

  // A mapped device the system does not list is shown as a typed path.
  TPortSetupDlg other(t.ctx(), 5, Devices());
  EXPECT_TRUE(other.PathRb->isChecked());
  EXPECT_EQ(other.PathEdit->text(), QStringLiteral("/dev/odd-link"));
}

TEST(PortSetupWindow, AssignsAListedDeviceATypedPathTheDefaultOrTheEmulator) {
  TestContext t;
  struct Case {
    const char* what;
    std::function<void(TPortSetupDlg&)> choose;
    bool emulator;
    const char* device;
  };
  const Case cases[] = {
      {"listed",
       [](TPortSetupDlg& d) { d.DeviceLst->setCurrentItem(d.DeviceLst->topLevelItem(2)); }, false,
       "/dev/ttyACM0"},
      {"typed", [](TPortSetupDlg& d) { QTest::keyClicks(d.PathEdit, " /dev/serial/by-id/usb-x "); },
       false, "/dev/serial/by-id/usb-x"},
      {"emulator", [](TPortSetupDlg& d) { d.EmulatorRb->click(); }, true, ""},
      {"default", [](TPortSetupDlg& d) { d.DefaultRb->click(); }, false, "/dev/ttyS6"},
  };
  for (const Case& c : cases) {
    TPortSetupDlg dlg(t.ctx(), 7, Devices());
    dlg.show();
    c.choose(dlg);
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted) << c.what;
    const PortTarget target = ResolvePort(t.ctx().profile(), "COM7");
    EXPECT_EQ(target.emulator, c.emulator) << c.what;
    EXPECT_EQ(target.device, c.device) << c.what;
  }
  EXPECT_TRUE(t.prompts().messages.empty());
}

TEST(PortSetupWindow, AnEmptyPathOrNoRowIsExplainedAndNothingIsWritten) {
  TestContext t;
  TPortSetupDlg dlg(t.ctx(), 1, Devices());
  dlg.show();
  dlg.PathRb->click();
  dlg.OKBtn->click();
  dlg.ListedRb->click();
  dlg.DeviceLst->setCurrentItem(nullptr);
  dlg.OKBtn->click();
  EXPECT_EQ(t.prompts().texts().size(), 2u);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_FALSE(std::filesystem::exists(t.settings_path()));

  // With no devices at all there is nothing to choose from the list.
  TPortSetupDlg empty(t.ctx(), 1, {});
  EXPECT_FALSE(empty.ListedRb->isEnabled());
  EXPECT_TRUE(empty.DefaultRb->isChecked());
}

}  // namespace
}  // namespace r8
