#include <filesystem>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "database/database_files.h"
#include "faceplate/ui/face_plate_window.h"
#include "freqlist/ui/freq_list_window.h"
#include "recordedit/ui/record_dialog.h"
#include "stations/ui/stat_list_window.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

// On the demo database: the find window's edit items reach the editor through the record dialog,
// and the edits show in the window.
TEST(RecordDialogUiTest, MarkModifyAndDeleteFromTheFindWindow) {
  testing::TestContext t;
  t.clock().Set({2026, 12, 5, 14, 30, 0});
  t.ctx().settings().TimeOffset = 0;
  t.WriteSettingsFile();
  for (const char* f : {"SWBCGIDE.DAT", "STATIONS.DAT"})
    std::filesystem::copy_file(std::filesystem::path(R8_DATA_DIR) / "demo" / f, t.dir().path() / f);
  TFacePlate face(t.ctx());
  face.show();
  face.FormShow();
  testing::Named<QAction>(&face, "SWBCstations1")->trigger();
  auto* stations = testing::Named<TStatList>(&face, "StatList1");
  stations->StatLstDblClick(1);  // the first station below the time heading
  auto* find = testing::Named<TFreqList>(&face, "FreqList");
  ASSERT_GE(find->FreqLst->count(), 1);
  const auto edit = [&](const char* item, std::function<void(TDBQuery&)> answer) {
    find->FreqLst->setCurrentRow(0);
    QTimer::singleShot(0, [answer] {
      auto* d = dynamic_cast<TDBQuery*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      answer(*d);
      d->accept();
    });
    testing::Named<QAction>(find, item)->trigger();
  };
  const auto flag = [&] { return find->FreqLst->item(0)->data(Qt::UserRole).toBool(); };
  const bool heard = flag();
  testing::Named<QAction>(find, "Mark1")->trigger();
  EXPECT_NE(flag(), heard);

  const int record = t.ctx().station_windows().EditMenu(StationWindow::kFind).record;
  edit("Modify1", [](TDBQuery& d) { d.FreqEdit->setText(QStringLiteral("29999.9")); });
  EXPECT_DOUBLE_EQ(t.ctx().database().Record(record).Freq, 29999.9);
  const QList<QListWidgetItem*> shown = find->FreqLst->findItems("*", Qt::MatchWildcard);
  EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QListWidgetItem* i) {
    return i->data(Qt::UserRole + 1).toByteArray().contains("29999.9");
  }));

  const int rows = find->FreqLst->count();
  edit("Delete1", [](TDBQuery&) {});
  EXPECT_EQ(find->FreqLst->count(), rows - 1);

  // The save writes what the edits did.
  const int count = t.ctx().database().count();
  testing::Named<QAction>(&face, "SaveDatabase1")->trigger();
  StationDatabase saved;
  ASSERT_TRUE(LoadDatabaseFiles(t.dir().path(), saved, nullptr).error.empty());
  EXPECT_EQ(saved.count(), count);
  // Record for record, as the tables hold them after the edits.
  ASSERT_EQ(saved.count(), t.ctx().database().count());
  for (int i = 1; i <= count; ++i)
    EXPECT_NEAR(saved.Record(i).Freq, t.ctx().database().Record(i).Freq, 0.05);
  EXPECT_EQ(t.ctx().database().DatabaseChanged(), 0);
}

}  // namespace
}  // namespace r8
