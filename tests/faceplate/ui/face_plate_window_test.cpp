#include "faceplate/ui/face_plate_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/zel_meter_widget.h"
#include "faceplate/ui/zel_switch_button.h"
#include "options/ui/options_dialog.h"
#include "options/scan_settings.h"
#include "timers/ui/timer_edit_dialog.h"
#include "timers/ui/timer_list.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::TestContext;

class FacePlateWindowTest : public ::testing::Test {
 protected:
  void StartWith(int model) {
    face.reset();  // the window refers to the context: it goes first
    t = std::make_unique<TestContext>(model);
    t->ctx().settings().TimeOffset = 0;
    t->WriteSettingsFile();
    face = std::make_unique<TFacePlate>(t->ctx());
    face->show();
    face->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(face.get()));
    face->FormShow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(face.get()));
    face->UpdateDisplay();
    t->port().ClearLog();
  }
  std::vector<std::string> Sent() {
    std::vector<std::string> c = t->port().commands();
    t->port().ClearLog();
    return c;
  }
  // The first command since the last look ("" when none), safe on an empty log.
  std::string First() {
    const std::vector<std::string> c = Sent();
    return c.empty() ? std::string() : c.front();
  }
  std::string Freq() { return C<QLabel>("FreqLbl")->text().toStdString(); }
  void Keys(const char* keys) {
    for (const char* k = keys; *k; ++k) {
      *k == '\r' ? QTest::keyClick(face.get(), Qt::Key_Return) : QTest::keyClick(face.get(), *k);
    }
  }

  void TearDown() override { face.reset(); }

  std::unique_ptr<TestContext> t;
  std::unique_ptr<TFacePlate> face;
  template <typename T>
  T* C(const char* name) {
    return testing::Named<T>(face.get(), name);
  }
};

// The keyboard, the on-screen keys, the arrows and the step buttons all reach the tuner; the
// entry rules themselves are the core's (tests/faceplate/tuning_test.cpp).
TEST_F(FacePlateWindowTest, KeysButtonsAndArrowsTuneTheReceiver) {
  StartWith(kModelR8A);
  QTest::keyClick(face.get(), Qt::Key_Return);  // Enter belongs to the keypad only during entry
  EXPECT_TRUE(Sent().empty());
  Keys("9580");
  EXPECT_EQ(Freq(), "9580");
  Keys("\r");
  EXPECT_EQ(First(), "F0958000\r");
  EXPECT_EQ(Freq(), " 9580.00");
  for (const char* b : {"Btn7", "BtnDec", "Btn1", "Btn9", "BtnBS", "BtnEnter"}) {
    QTest::mouseClick(C<QPushButton>(b), Qt::LeftButton);
  }
  EXPECT_EQ(Freq(), " 7100.00");
  QTest::keyClick(face.get(), Qt::Key_Right);
  EXPECT_EQ(Freq(), " 7105.00");
  QTest::keyClick(face.get(), Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(Freq(), " 7104.99");
  QTest::mouseClick(C<QPushButton>("DownBtn"), Qt::LeftButton);
  EXPECT_EQ(Freq(), " 7099.99");
  face->Command(1219);
  EXPECT_EQ(Freq(), " 7100.00");
}

TEST_F(FacePlateWindowTest, TheMinutePollsAndTheTimePanelTogglesTheClock) {
  StartWith(kModelR8A);
  t->clock().Set({2026, 12, 5, 14, 30, 0});
  face->TimerTick();
  Sent();
  QTest::mouseClick(C<QFrame>("TimePnl"), Qt::LeftButton);
  EXPECT_EQ(C<QLabel>("TimeLbl")->text(), QStringLiteral("LOCAL"));
  EXPECT_TRUE(Sent().empty());
  t->clock().Set({2026, 12, 5, 14, 31, 0});
  face->TimerTick();
  EXPECT_EQ(Sent(), (std::vector<std::string>{"RA\r"}));
  EXPECT_EQ(C<QLabel>("ClockLbl")->text(), QStringLiteral("14:31 a"));
}

TEST_F(FacePlateWindowTest, CombosSendTheirCommandsAndShowTheReceiversChoice) {
  StartWith(kModelR8A);
  C<QComboBox>("ModeLst")->setCurrentIndex(5);
  emit C<QComboBox>("ModeLst")->activated(5);
  EXPECT_EQ(First(), "M1\r");
  C<QComboBox>("BWLst")->setCurrentIndex(0);
  emit C<QComboBox>("BWLst")->activated(0);  // refused: the list goes back to the receiver's
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(C<QComboBox>("BWLst")->currentIndex(), CodeNumber(t->radio().Bandwidth));
}

TEST_F(FacePlateWindowTest, FocusOnACombTakesTheKeysAway) {
  StartWith(kModelR8A);
  C<QComboBox>("StepLst")->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(face->panel().KeysActive());
  C<QComboBox>("StepLst")->lineEdit()->setText(QStringLiteral("2.5"));
  QTest::keyClick(C<QComboBox>("StepLst")->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(C<QComboBox>("StepLst")->currentText(), QStringLiteral("   2.50"));
  EXPECT_TRUE(Sent().empty());  // digits went to the list, not the keypad
  C<QLabel>("FreqLbl")->setFocus();
  face->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(face->panel().KeysActive());
}

TEST_F(FacePlateWindowTest, ControlsFollowTheCoresEnabling) {
  StartWith(kModelR8B);
  Keys("45\r");  // 45 MHz: antenna C
  t->radio().Mode = ModeCode::kFm;
  t->ctx().control().RadioCommand(kCmdMode, true);
  EXPECT_FALSE(C<QComboBox>("AGCLst")->isEnabled());
  EXPECT_FALSE(C<QToolButton>("NotchBtn")->isEnabled());
  EXPECT_EQ(C<QComboBox>("AntLst")->currentText(), QStringLiteral("C"));
}

// On a 1024 x 768 screen the whole faceplate fits, and no button or label is cut short, with the
// blanker's boxes shown or hidden.
TEST_F(FacePlateWindowTest, FitsA1024By768ScreenWithEveryCaptionWhole) {
  StartWith(kModelR8A);
  EXPECT_LE(face->minimumSizeHint().width(), 1024);
  EXPECT_LE(face->minimumSizeHint().height(), 768);
  // Each menu once on the bar, whichever subsystems add items to it.
  QStringList titles;
  for (QAction* a : face->menuBar()->actions()) titles << a->text();
  EXPECT_EQ(titles.removeDuplicates(), 0) << titles.join(' ').toStdString();
  for (bool blanker : {false, true}) {
    if (blanker) QTest::mouseClick(C<QToolButton>("NoiseBtn"), Qt::LeftButton);
    face->resize(face->minimumSizeHint());
    QApplication::processEvents();
    for (QAbstractButton* b : face->findChildren<QAbstractButton*>()) {
      if (!b->isVisible() || b->text().isEmpty()) continue;
      EXPECT_GE(b->width(), b->minimumSizeHint().width()) << b->objectName().toStdString();
    }
    for (QLabel* l : face->findChildren<QLabel*>()) {
      if (!l->isVisible() || l->text().isEmpty()) continue;
      EXPECT_GE(l->width(), l->minimumSizeHint().width()) << l->objectName().toStdString();
    }
  }
}

TEST_F(FacePlateWindowTest, NoiseBlankerGroupRemembersItsWidthAndLeavesTheLayoutAlone) {
  StartWith(kModelR8A);
  face->resize(face->sizeHint());
  QApplication::processEvents();
  const QSize window = face->sizeHint();
  const QRect vfo = C<QPushButton>("VFOBtn")->geometry();
  const QRect sync = C<QPushButton>("SyncBtn")->geometry();
  QTest::mouseClick(C<QToolButton>("NoiseBtn"), Qt::LeftButton);
  EXPECT_EQ(First(), "BN\r");
  EXPECT_TRUE(C<QGroupBox>("NoiseGrp")->isVisible());
  QApplication::processEvents();
  EXPECT_EQ(face->sizeHint(), window);
  EXPECT_EQ(C<QPushButton>("VFOBtn")->geometry(), vfo);
  EXPECT_EQ(C<QPushButton>("SyncBtn")->geometry(), sync);
  QTest::mouseClick(C<QCheckBox>("NoiseWCB"), Qt::LeftButton);
  EXPECT_EQ(First(), "BW\r");
  EXPECT_FALSE(C<QCheckBox>("NoiseNCB")->isChecked());
  QTest::mouseClick(C<QToolButton>("NoiseBtn"), Qt::LeftButton);
  EXPECT_EQ(First(), "BF\r");
  EXPECT_FALSE(C<QGroupBox>("NoiseGrp")->isVisible());
  QTest::mouseClick(C<QToolButton>("NoiseBtn"), Qt::LeftButton);
  EXPECT_EQ(First(), "BW\r");  // back on with the width used last
}

TEST_F(FacePlateWindowTest, ScanButtonLabelAndMenuReachTheScan) {
  StartWith(kModelR8A);
  t->ctx().settings().scan_mode = kScanModeAB;
  t->ctx().settings().scan_type = kScanTypeCarr;
  QTest::mouseClick(C<QToolButton>("ScanBtn"), Qt::LeftButton);
  EXPECT_TRUE(t->ctx().scan().active);
  EXPECT_TRUE(C<QToolButton>("ScanBtn")->isChecked());
  EXPECT_TRUE(C<QLabel>("ScanLbl")->isVisible());
  EXPECT_TRUE(testing::Named<QTimer>(face.get(), "Timer3")->isActive());
  QTest::mouseClick(C<QLabel>("ScanLbl"), Qt::LeftButton);
  EXPECT_EQ(C<QLabel>("ScanLbl")->text(), QStringLiteral("PAUS"));
  EXPECT_TRUE(C<QAction>("Scanpause1")->isChecked());
  C<QAction>("Scanmode1")->trigger();
  EXPECT_FALSE(t->ctx().scan().active);
  EXPECT_FALSE(C<QToolButton>("ScanBtn")->isChecked());
  EXPECT_FALSE(testing::Named<QTimer>(face.get(), "Timer3")->isActive());
}

TEST_F(FacePlateWindowTest, TimerButtonListAndAnEventDueTheNextMinute) {
  StartWith(kModelR8A);
  QTest::mouseClick(C<QToolButton>("TimerBtn"), Qt::LeftButton);
  EXPECT_EQ(t->ctx().settings().timer_enabled, 1);
  EXPECT_TRUE(C<QLabel>("TimerLbl")->isVisible());
  EXPECT_TRUE(C<QAction>("Timermode1")->isChecked());
  t->ctx().timers()[2] = {true, "1431", 9580, 0, 128, "BBC"};
  C<QAction>("Timerparameters1")->trigger();
  auto* list = testing::Named<QTableWidget>(face.get(), "TimerLst");
  EXPECT_EQ(list->rowCount(), 30);
  EXPECT_EQ(list->item(2, 2)->text(), QStringLiteral(" 9580.00 kHz"));
  list->setCurrentCell(2, 0);
  emit list->cellDoubleClicked(2, 0);  // unset, and set again
  EXPECT_FALSE(t->ctx().timers()[2].set);
  emit list->cellDoubleClicked(2, 0);
  t->clock().Advance(60 * 1000);  // 14:31 UTC
  face->TimerTick();
  EXPECT_EQ(Freq(), " 9580.00");
  // A programme dropped on row 5 opens the create dialog there, prefilled from its line.
  auto* timers = testing::Named<TTimerList>(face.get(), "TimerList");
  timers->run_dialog = [](TTimerEditDlg& dlg) {
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Create Timer"));
    return static_cast<int>(QDialog::Accepted);
  };
  std::string line(40, ' ');
  line.replace(0, 4, "1830").replace(6, 1, "w").replace(13, 4, "News");
  timers->DropProgramme(4, line);
  EXPECT_EQ(t->ctx().timers()[4].time, "1830");
  EXPECT_EQ(t->ctx().timers()[4].days, 8);
  EXPECT_TRUE(t->ctx().timers()[4].set);
}

TEST_F(FacePlateWindowTest, PowerOffAndOn) {
  StartWith(kModelR8B);
  QTest::mouseClick(C<TZelSwitchButton>("PowerBtn"), Qt::LeftButton);
  EXPECT_EQ(First(), "PF\r");
  EXPECT_EQ(Freq(), "O  F  F ");
  EXPECT_EQ(C<TZelMeter>("ZelMeter1")->Level(), -1);
  EXPECT_FALSE(C<QPushButton>("Btn5")->isEnabled());
  QTest::mouseClick(C<TZelSwitchButton>("PowerBtn"), Qt::LeftButton);
  EXPECT_EQ(Freq(), " 5975.00");
  EXPECT_TRUE(C<TZelSwitchButton>("PowerBtn")->IsOn());
}

TEST_F(FacePlateWindowTest, DroppingDsrClosesThePortWithinOneTick) {
  StartWith(kModelR8A);
  face->TimerTick();
  t->port().SetPlugged(false);
  face->TimerTick();
  EXPECT_EQ(C<QAction>("Disconnect1")->text(), QStringLiteral("C&onnect"));
  EXPECT_TRUE(C<QToolButton>("CommsBtn")->isChecked());
  t->port().SetPlugged(true);
  C<QAction>("Disconnect1")->trigger();
  EXPECT_EQ(t->ctx().link().PortError(), 0);
  EXPECT_EQ(C<QAction>("Disconnect1")->text(), QStringLiteral("Disc&onnect"));
}

TEST_F(FacePlateWindowTest,
       CloseIsRefusedWhileTheReceiverScansTheRelayIsFreedAndSettingsAreWrittenAtExit) {
  StartWith(kModelR8A);
  t->radio().ScanState = ScanStateCode::kReceiverScan;
  EXPECT_FALSE(face->close());
  t->radio().ScanState = ScanStateCode::kIdle;
  face->move(40, 30);
  // Tape VOX left the relay on: it is released while the port is still open.
  t->radio().TapeVOX = TapeVoxCode::kCarrier;
  t->radio().Tape = true;
  t->port().ClearLog();
  EXPECT_TRUE(face->close());
  EXPECT_EQ(Sent(), (std::vector<std::string>{"TF\r"}));
  EXPECT_TRUE(t->ctx().profile().Find("OPTIONS", "XPOS").has_value());
  EXPECT_EQ(t->ctx().link().PortError(), 1);
}

TEST_F(FacePlateWindowTest, FirstStartOpensTheOptionsBeforeThePort) {
  face.reset();
  t = std::make_unique<TestContext>(kModelR8A);
  face = std::make_unique<TFacePlate>(t->ctx());
  face->show();
  bool port_open_then = true;
  QString title;
  testing::OnNextModal([&](QWidget* w) {
    title = w->windowTitle();
    port_open_then = t->ctx().link().port_open();
    static_cast<QDialog*>(w)->done(QDialog::Rejected);
  });
  face->FormShow();
  EXPECT_EQ(title, QStringLiteral("Default Options"));
  EXPECT_FALSE(port_open_then);
  EXPECT_TRUE(t->ctx().link().port_open());
}

TEST_F(FacePlateWindowTest, SettingsEntriesOpenTheirOptionsPages) {
  StartWith(kModelR8A);
  struct Case {
    std::function<void()> open;
    int page;
  };
  const Case cases[] = {{[&] { C<QAction>("SmallStepsize1")->trigger(); }, 2},
                        {[&] { C<QAction>("Other1")->trigger(); }, 5},
                        {[&] { QTest::mouseClick(C<QLabel>("ScanTypeLbl"), Qt::LeftButton); }, 3}};
  for (const Case& c : cases) {
    int page = -1;
    bool keys_withdrawn = false;
    testing::OnNextModal([&](QWidget* w) {
      if (auto* options = dynamic_cast<TOptions*>(w)) page = options->OptionPage->currentIndex();
      keys_withdrawn =
          !face->panel().actions().empty() && !face->panel().actions().front()->isEnabled();
      if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->done(QDialog::Rejected);
    });
    c.open();
    EXPECT_EQ(page, c.page);
    EXPECT_TRUE(keys_withdrawn);
    EXPECT_TRUE(face->panel().actions().front()->isEnabled());  // given back afterwards
  }
}

TEST_F(FacePlateWindowTest, UnitsLabelSwitchesTheR8AToMegahertz) {
  StartWith(kModelR8A);
  QTest::mouseClick(C<QLabel>("FreqLbl2"), Qt::LeftButton);
  EXPECT_EQ(First(), "SM\r");
  EXPECT_EQ(C<QLabel>("FreqLbl2")->text(), QStringLiteral("MHz"));
  EXPECT_EQ(Freq(), " 5.97500");
}

}  // namespace
}  // namespace r8
