#include "programmes/ui/dx_list_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>

#include "programmes/ui/dx_programs_menu.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::Named;

const std::string kShows =
    "1500  w      Show one          Station A\r\n"
    "1600  w      Show two          Station B\r\n";

TEST(DxListWindow, MenuOpensTheListAndItsControlsReachTheGuide) {
  testing::TestContext t;
  t.clock().Set({2026, 12, 9, 14, 30, 0});  // a Wednesday
  testing::WriteBytes(t.dir() / "DXSHOWS.TXT", kShows);
  QMainWindow main;
  DxProgramsMenu menu(t.ctx(), *main.menuBar(), main);
  Named<QAction>(&main, "DXPrograms1")->trigger();
  TDXList* w = menu.window();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Today's SWBC Programs - [as of 1430w]"));
  ASSERT_EQ(w->DXLst->topLevelItemCount(), 3);
  EXPECT_EQ(w->SelectedRow(), 1);
  EXPECT_EQ(w->DXLst->topLevelItem(2)->text(2).trimmed(), QStringLiteral("Station B"));
  EXPECT_EQ(Named<QLabel>(w, "StatusBar1")->text(),
            QStringLiteral("Double-click to find frequencies for 'Station A"));

  // Enter hands the station and time to the find window's command.
  int posted = 0;
  Subscription find = t.ctx().commands().Register(AppCommand::kFindFreqDown, [&](int) { ++posted; });
  QTest::keyClick(w->DXLst, Qt::Key_Return);
  EXPECT_EQ(posted, 1);
  EXPECT_EQ(t.ctx().find_handover().station, "Station A");
  EXPECT_EQ(t.ctx().find_handover().time, "1500");

  Named<QAction>(w, "Mark1")->trigger();
  EXPECT_EQ(testing::ReadBytes(t.dir() / "DXSHOWS.TXT").substr(0, 6), "1500* ");
  EXPECT_EQ(Named<QAction>(w, "Mark1")->text(), QStringLiteral("&Unmark"));

  w->DXLst->setCurrentItem(w->DXLst->topLevelItem(0));  // a heading
  EXPECT_FALSE(Named<QAction>(w, "Delete1")->isEnabled());
  Named<QAction>(w, "Preview1")->trigger();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("SWBC Programs Preview"));
  EXPECT_TRUE(Named<QAction>(w, "Preview1")->isChecked());
}

}  // namespace
}  // namespace r8
