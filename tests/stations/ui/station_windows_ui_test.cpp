#include <filesystem>

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "common/format.h"
#include "database/station_query.h"
#include "faceplate/ui/face_plate_window.h"
#include "freqlist/list_tuning.h"
#include "freqlist/ui/freq_list_window.h"
#include "help/ui/help_desk.h"
#include "options/scan_settings.h"
#include "stations/ui/sked_list_windows.h"
#include "stations/ui/stat_list_window.h"
#include "support/database_builder.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;

// The demo's real season, a Saturday at 1430 UTC, through the program's own windows.
class StationWindowsUiTest : public ::testing::Test {
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
    ASSERT_GT(t.ctx().database().count(), 9000);
    face->UpdateDisplay();
    ASSERT_TRUE(t.radio().PowerOn);
  }
  void Item(const char* name) { testing::Named<QAction>(face.get(), name)->trigger(); }
  void TearDown() override { face.reset(); }

  testing::TestContext t;
  std::unique_ptr<TFacePlate> face;
};

TEST_F(StationWindowsUiTest, F5ListsTheStationsOnTheAirNow) {
  Item("SWBCstations1");
  auto* list = testing::Named<TStatList>(face.get(), "StatList1");
  // The reference: the engine asked by itself.
  struct Lines : QueryTargets, ResultList {
    ResultList* GetListBox(QueryTarget) override { return this; }
    ResultGrid* GetGridBox(QueryTarget) override { return nullptr; }
    void InsertLine(int i, std::string_view s) override { v.insert(v.begin() + i, std::string(s)); }
    int LineCount() const override { return static_cast<int>(v.size()); }
    void Clear() override { v.clear(); }
    std::vector<std::string> v;
  } reference;
  QueryResults results;
  QueryPorts ports;
  ports.targets = &reference;
  ports.clock = &t.clock();
  StationQuery(t.ctx().database(), results, ports, QueryTarget::kSwbcList, QueryKind::kStationsNow,
               "");
  ASSERT_GT(reference.v.size(), 20u);
  ASSERT_EQ(list->StatLst->count(), static_cast<int>(reference.v.size()));
  for (int i = 0; i < list->StatLst->count(); ++i)
    EXPECT_EQ(list->StatLst->item(i)->data(Qt::UserRole + 1).toByteArray().toStdString(),
              reference.v[static_cast<std::size_t>(i)]);
  EXPECT_EQ(list->windowTitle(), QStringLiteral("&Available Shortwave Stations - [as of 1430a]"));
  // F5 again brings up the same window; the utility list opens beside it.
  EXPECT_EQ(testing::Named<QAction>(face.get(), "SWBCstations1")->shortcut(),
            QKeySequence(Qt::Key_F5));
  Item("SWBCstations1");
  EXPECT_EQ(face->findChildren<TStatList*>().size(), 1);
  // "." goes to the keypad, and the selected station's name to the status line.
  list->StatLst->setCurrentRow(1);
  EXPECT_TRUE(list->statusBar()->currentMessage().startsWith(QStringLiteral("Double-click")));
  QTest::keyClick(list->StatLst, Qt::Key_Period);
  // The preview: the filter time reaches the list's caption through the track bar's button.
  list->Previewmode1->trigger();
  EXPECT_FALSE(list->PreviewPnl->isHidden());
  list->TrackBar->setValue(5 * 60);
  EXPECT_EQ(list->TrackBtn->text(), QStringLiteral("0500"));
  QTest::mouseClick(list->TrackBtn, Qt::LeftButton);
  EXPECT_EQ(list->windowTitle(), QStringLiteral("Shortwave Stations Preview - [at 0500]"));
  testing::SaveShot(list, QStringLiteral("stat_list_preview"));
}

TEST_F(StationWindowsUiTest, DoubleClickOnAScheduleFrequencyTunesAndSetsTheMode) {
  StationDatabase& db = t.ctx().database();
  const std::uint16_t station = db.stations().Add("Test Utility Uf");
  db.AppendRecord(testing::Rec(1400, 1500, station, 5450.0, 0, "Uf"));
  db.AppendRecord(testing::Rec(1400, 1500, station, 7880.0, 0, "Ff"));
  db.BuildHourIndex();
  t.radio().Mode = ModeCode::kAm;
  t.ctx().station_windows().handover().name = "Test Utility Uf";
  t.ctx().commands().Post(AppCommand::kWhenStation);
  auto* full = testing::Named<TFullList>(face.get(), "FullList");
  ASSERT_EQ(full->FullLst->rowCount(), 1);
  const struct {
    int column;
    double khz;
    ModeCode mode;
  } clicks[] = {{1, 5450.0, ModeCode::kUsb}, {2, 7880.0, ModeCode::kFm}};
  for (const auto& c : clicks) {
    const QRect cell = full->FullLst->visualRect(full->FullLst->model()->index(0, c.column));
    QTest::mouseClick(full->FullLst->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(full->FullLst->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_DOUBLE_EQ(t.radio().RadioFreq, c.khz);
    EXPECT_EQ(t.radio().Mode, c.mode);  // as read back from the receiver by the refresh
  }
}

TEST_F(StationWindowsUiTest, FrequencyClickShowsWhoElseAndItsNamesOpenTheSchedule) {
  for (char c : std::string("9580\r")) face->Command(1220, c);
  QTest::mouseClick(testing::Named<QWidget>(face.get(), "FreqLbl"), Qt::LeftButton);
  auto* sked = testing::Named<TSkedList>(face.get(), "SkedList");
  EXPECT_EQ(sked->windowTitle(), QStringLiteral("Other Stations on 9580.00"));
  ASSERT_GT(sked->SkedLst->rowCount(), 1);
  const std::string name =
      sked->SkedLst->item(0, 1)->data(Qt::UserRole + 1).toByteArray().toStdString().substr(0, 25);
  sked->SkedLst->setCurrentCell(0, 0);
  QTest::keyClick(sked->SkedLst, Qt::Key_Return);
  auto* full = testing::Named<TFullList>(face.get(), "FullList");
  EXPECT_EQ(full->windowTitle().toStdString(), "Frequency Schedule for " + TrimStr(name));
  // Closing keeps its size for next time.
  full->resize(700, 250);
  full->close();
  EXPECT_EQ(t.ctx().profile().ReadInt("WINDOWS", "FULLLISTX", 0), 700);
  EXPECT_EQ(t.ctx().station_windows().state(StationWindow::kFullSchedule).handle, 0);
}

// A station's double-click opens its frequencies; a row tunes the receiver, and in scan mode
// "Freq" the faceplate's SCAN button scans the selected rows.
TEST_F(StationWindowsUiTest, TheFrequencyListTunesAndScansItsSelectedRows) {
  Item("SWBCstations1");
  auto* stations = testing::Named<TStatList>(face.get(), "StatList1");
  // A double-click on the first station (the list begins with a time heading).
  int station = 0;
  while (station < stations->StatLst->count() &&
         stations->StatLst->item(station)->data(Qt::UserRole + 1).toByteArray().startsWith('='))
    ++station;
  stations->StatLstDblClick(station);
  auto* list = testing::Named<TFreqList>(face.get(), "FreqList");
  // Each window's own edit captions.
  EXPECT_EQ(testing::Named<QAction>(stations, "Modify1")->text(), QStringLiteral("&Modify"));
  EXPECT_EQ(testing::Named<QAction>(list, "Modify1")->text(), QStringLiteral("M&odify"));
  EXPECT_EQ(testing::Named<QAction>(list, "InsertBefore1")->text(),
            QStringLiteral("Insert &above"));
  ASSERT_GE(list->FreqLst->count(), 1);
  list->FreqLst->setCurrentRow(0);
  list->HandleInput();
  const std::string row =
      list->FreqLst->item(0)->data(Qt::UserRole + 1).toByteArray().toStdString();
  EXPECT_NEAR(t.radio().RadioFreq, *ListRowFrequency(ListWindow::kFrequencyList, row), 0.01);
  EXPECT_EQ(list->FreqLst->item(0)->text().toStdString(),
            row);  // what a drop on the memories reads
  if (list->FreqLst->count() < 2) return;
  t.ctx().settings().scan_mode = kScanModeFreq;
  t.ctx().settings().scan_type = kScanTypeCarr;
  list->FreqLst->item(0)->setSelected(true);
  list->FreqLst->item(1)->setSelected(true);
  QTest::mouseClick(testing::Named<QToolButton>(face.get(), "ScanBtn"), Qt::LeftButton);
  EXPECT_TRUE(t.ctx().scan().active);
  EXPECT_TRUE(list->Timer1->isActive());
  list->close();
  EXPECT_FALSE(t.ctx().scan().active);
}

TEST_F(StationWindowsUiTest, TabOnTheFaceplateGoesToTheOpenStationList) {
  Item("SWBCstations1");
  auto* list = testing::Named<TStatList>(face.get(), "StatList1");
  face->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(face.get()));
  QTest::keyClick(face.get(), Qt::Key_Tab);
  EXPECT_TRUE(QTest::qWaitForWindowActive(list));
  EXPECT_EQ(HelpContextOf(list), 521);
}

// The station dialog's Help button opens the help window; Cancel closes the dialog.
TEST_F(StationWindowsUiTest, TheStationDialogHasItsHelp) {
  bool had_help = false;
  testing::OnNextModal([&](QWidget* dialog) {
    auto* help = dialog->findChild<QPushButton*>(QStringLiteral("HelpBtn"));
    had_help = help != nullptr;
    if (help) help->click();
    static_cast<QDialog*>(dialog)->reject();
  });
  Item("FindFreq1");
  EXPECT_TRUE(had_help);
  bool shown = false;
  for (QWidget* w : QApplication::topLevelWidgets())
    shown = shown || (w->objectName() == QStringLiteral("HelpWindow") && w->isVisible());
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace r8
