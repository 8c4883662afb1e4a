#include <filesystem>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include "faceplate/ui/face_plate_window.h"
#include "freqlist/ui/freq_list_window.h"
#include "recordedit/ui/record_dialog.h"
#include "stations/ui/stat_list_window.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;

// The find window's edit items on the demo database reach the editor, and what they change shows
// in the open windows.
class RecordDialogUiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t.clock().Set({2026, 12, 5, 14, 30, 0});
    t.ctx().settings().TimeOffset = 0;
    t.WriteSettingsFile();
    for (const char* f : {"SWBCGIDE.DAT", "STATIONS.DAT"})
      fs::copy_file(fs::path(R8_DATA_DIR) / "demo" / f, t.dir().path() / f);
    face = std::make_unique<TFacePlate>(t.ctx());
    face->show();
    face->FormShow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(face.get()));
    testing::Named<QAction>(face.get(), "SWBCstations1")->trigger();
    stations = testing::Named<TStatList>(face.get(), "StatList1");
    int row = 0;
    while (stations->StatLst->item(row)->data(Qt::UserRole + 1).toByteArray().startsWith('=')) ++row;
    stations->StatLstDblClick(row);
    find = testing::Named<TFreqList>(face.get(), "FreqList");
    ASSERT_GE(find->FreqLst->count(), 1);
    find->FreqLst->setCurrentRow(0);
  }
  // Runs the edit item; answer fills and confirms the record dialog it opens.
  void Edit(const char* item, std::function<void(TDBQuery&)> answer = {}) {
    if (answer) {
      QTimer::singleShot(0, [answer] {
        auto* d = dynamic_cast<TDBQuery*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        answer(*d);
        d->accept();
      });
    }
    QAction* a = testing::Named<QAction>(find, item);
    ASSERT_TRUE(a->isEnabled());
    a->trigger();
  }
  std::string Row(int i) const {
    return find->FreqLst->item(i)->data(Qt::UserRole + 1).toByteArray().toStdString();
  }

  testing::TestContext t;
  std::unique_ptr<TFacePlate> face;
  TStatList* stations = nullptr;
  TFreqList* find = nullptr;
};

TEST_F(RecordDialogUiTest, MarkModifyAndDeleteFromTheFindWindow) {
  const int record = t.ctx().station_windows().EditMenu(StationWindow::kFind).record;
  const bool flagged = find->FreqLst->item(0)->data(Qt::UserRole).toBool();
  Edit("Mark1");
  EXPECT_NE(find->FreqLst->item(0)->data(Qt::UserRole).toBool(), flagged);
  EXPECT_EQ(t.ctx().database().DatabaseChanged(), 1);

  Edit("Modify1", [](TDBQuery& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Modify Database Record"));
    EXPECT_FALSE(d.StationEdit->isEnabled());
    d.FreqEdit->setText(QStringLiteral("29999.9"));
  });
  EXPECT_DOUBLE_EQ(t.ctx().database().Record(record).Freq, 29999.9);
  bool shown = false;
  for (int i = 0; i < find->FreqLst->count(); ++i) shown |= Row(i).find("29999.9") != std::string::npos;
  EXPECT_TRUE(shown);

  const int rows = find->FreqLst->count();
  const int count = t.ctx().database().count();
  find->FreqLst->setCurrentRow(0);
  Edit("Delete1", [](TDBQuery& d) { EXPECT_FALSE(d.FreqEdit->isEnabled()); });
  EXPECT_EQ(t.ctx().database().count(), count - 1);
  EXPECT_EQ(find->FreqLst->count(), rows - 1);
  EXPECT_TRUE(stations->isVisible());
}

}  // namespace
}  // namespace r8
