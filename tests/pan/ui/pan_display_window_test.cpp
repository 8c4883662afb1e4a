#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "faceplate/ui/face_plate_window.h"
#include "pan/ui/pan_display_window.h"
#include "pan/ui/pan_menu.h"
#include "radio/radio_model.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::Named;

TEST(PanDisplayWindowTest, FaceplateItemOpensTheWindowOnlyForR8AAndR8B) {
  for (int model : {kModelR8, kModelR8B}) {
    testing::TestContext t(model);
    TFacePlate face(t.ctx());
    QAction* item = Named<QAction>(&face, "PanDisplay1");
    EXPECT_EQ(item->isEnabled(), model == kModelR8B);
    item->trigger();
    EXPECT_EQ(face.findChild<TPanDisp*>() != nullptr, model == kModelR8B);
  }
}

class PanWindowTest : public ::testing::Test {
 protected:
  PanWindowTest() {
    t.Connect();
    t.radio().PowerOn = true;
    menu.PanDisplay1Click();
    w = menu.window();
    t.ctx().events().scan_changed.Emit(true);
    RadioState r;
    r.RadioFreq = 6000;
    r.MeterLevel = 120;
    t.ctx().events().display_refreshed.Emit(r);
    t.ctx().events().scan_changed.Emit(false);
  }
  testing::TestContext t{kModelR8A};
  QMenuBar bar;
  PanMenu menu{t.ctx(), bar, nullptr, [] { return PanSweepSetup{5900, 6200, 5}; }};
  TPanDisp* w = nullptr;
};

TEST_F(PanWindowTest, StateReachesTheControls) {
  EXPECT_EQ(w->StartEdit->text(), QStringLiteral(" 5900.00"));
  EXPECT_EQ(w->StopEdit->text(), QStringLiteral(" 6200.00"));
  EXPECT_TRUE(w->Save1->isEnabled());  // the scan stopped with a sweep
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Pan Display - [<Untitled>]"));
  QTest::mouseMove(w->GraphDsp, QPoint(w->GraphDsp->width() / 2, 10));
  EXPECT_EQ(w->CursorEdit->text(), QStringLiteral(" 6050.00"));
}

TEST_F(PanWindowTest, ControlsReachTheCore) {
  QWidget* g = w->GraphDsp;
  QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(g->width() / 2, 10));
  EXPECT_EQ(t.port().commands().back(), "F0605000\r");
  QTest::mousePress(g, Qt::RightButton, {}, QPoint(40, 10));
  QTest::mouseRelease(g, Qt::RightButton, {}, QPoint(40, 10));
  EXPECT_EQ(t.prompts().texts().back(), "Scan sweep too small!");
  int key = 0;
  Subscription s =
      t.ctx().commands().Register(AppCommand::kKeypadChar, [&](int c) { key = c; });
  QTest::keyClick(w, '.');
  EXPECT_EQ(key, '.');
  t.prompts().QueueFileCancel();
  w->Saveas1->trigger();
  ASSERT_EQ(t.prompts().file_requests.size(), 1u);
  EXPECT_EQ(t.prompts().file_requests[0].title, "Save Pan File As");
  w->New1->trigger();
  EXPECT_FALSE(w->Save1->isEnabled());
  w->Stations1->trigger();
  EXPECT_EQ(t.ctx().profile().ReadInt("OPTIONS", "PANSTATIONS", 0), 1);
}

}  // namespace
}  // namespace r8
