#include "bandplan/ui/band_plan_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "faceplate/ui/face_plate_window.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::Named;

class BandPlanWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.ctx().settings().TimeOffset = 0;
    t.WriteSettingsFile();
    face = std::make_unique<TFacePlate>(t.ctx());
    face->show();
    face->FormShow();
    face->UpdateDisplay();
  }
  TBandPlan* Window() { return static_cast<TBandPlan*>(Named<QWidget>(face.get(), "BandPlan")); }
  QString Label(const char* name) { return Named<QLabel>(face.get(), name)->text(); }
  void DoubleClick(QTableWidget* grid, int row, int column) {
    const QPoint cell = grid->visualItemRect(grid->item(row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
  }

  testing::TestContext t{kModelR8A};
  std::unique_ptr<TFacePlate> face;
};

TEST_F(BandPlanWindowTest, F2ShowsTheTableOnTwoPagesAndTheHeightIsKept) {
  Named<QAction>(face.get(), "Bandplan1")->trigger();
  TBandPlan* w = Window();
  EXPECT_EQ(w->BandGrd1->rowCount(), 22);
  EXPECT_EQ(w->BandGrd2->item(0, 0)->text(), " Nav");
  EXPECT_EQ(w->StatusBar1->currentMessage(), "Double-click to scan the LW bc band");
  w->PageControl1->setCurrentIndex(1);
  EXPECT_EQ(w->StatusBar1->currentMessage(), "Double-click to scan the Nav band");
  w->resize(w->width(), 333);
  face.reset();
  EXPECT_EQ(ProfileFile(t.settings_path()).ReadInt("WINDOWS", "BANDPLANY", 0), 333);
}

TEST_F(BandPlanWindowTest, TheBandLabelOpensItAndItsClicksAndKeysReachTheReceiver) {
  QTest::mouseClick(Named<QLabel>(face.get(), "BandLbl"), Qt::LeftButton);
  TBandPlan* w = Window();
  DoubleClick(w->BandGrd1, 8, 1);  // the 49 m band's lower edge
  EXPECT_EQ(t.receiver().shown().freq_10hz, 570000);
  EXPECT_EQ(Label("FreqLbl"), " 5700.00");
  EXPECT_EQ(Label("BandLbl"), " 49m");
  w->BandGrd1->setCurrentCell(8, 2);
  QTest::keyClick(w->BandGrd1, Qt::Key_Return);
  EXPECT_EQ(t.receiver().shown().freq_10hz, 625000);

  int scans = 0;
  const Subscription scan_button =
      t.ctx().commands().Register(AppCommand::kScanButton, [&scans](int) { ++scans; });
  DoubleClick(w->BandGrd1, 8, 0);
  EXPECT_EQ(scans, 1);
  EXPECT_EQ(t.receiver().state().vfo[1].freq_10hz, 625000);
  QTest::keyClick(w->BandGrd1, '.');  // the faceplate's keypad entry
  EXPECT_EQ(Label("FreqLbl"), "0.");
}

}  // namespace
}  // namespace r8
