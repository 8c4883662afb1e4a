#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "app/app_context.h"
#include "common/file_commit.h"
#include "log/ui/log_entry_dialog.h"
#include "log/ui/log_list_window.h"
#include "log/ui/log_menu.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::Named;
using testing::TestContext;

class LogWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::copy_file(R8_DATA_DIR "/demo/TARVELIN.LOG", t_.dir() / "TARVELIN.LOG");
    t_.ctx().settings().TimeOffset = 0;
    t_.clock().Set({2026, 3, 18, 21, 5, 0});
    t_.Connect();
    t_.radio().PowerOn = true;
  }
  std::string LogBytes() {
    std::string bytes;
    ReadWholeFile(t_.dir() / "TARVELIN.LOG", bytes);
    return bytes;
  }
  TestContext t_{kModelR8B};
  QMainWindow window_;
  QMenuBar* bar_ = window_.menuBar();
  int options_page_ = -1;
  LogMenu menu_{t_.ctx(), window_, *bar_, [this](int page) { options_page_ = page; }};
};

TEST_F(LogWindowsTest, MenuItemsReachTheLogDisplayAndADoubleClickTunes) {
  Named<QAction>(bar_, "ShowLog1")->trigger();
  TLogList* list = menu_.list();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->windowTitle(), QStringLiteral("Log Display - [TARVELIN.LOG]"));
  EXPECT_EQ(list->LogLst2->model()->rowCount(), 19);
  Named<QAction>(bar_, "LoggingParameters1")->trigger();
  EXPECT_EQ(options_page_, kOptionsLogPage);

  Named<QAction>(list, "SortFreq1")->trigger();
  EXPECT_EQ(list->table().sort_column(), 0);
  EXPECT_TRUE(Named<QAction>(list, "SortFreq2")->isChecked());
  EXPECT_TRUE(
      list->LogLst2->model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
  // Highest frequency last: the 2 m channel.
  const int last = list->LogLst2->model()->rowCount() - 1;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
  list->LogLst2->scrollTo(list->LogLst2->model()->index(last - 3, 0));
  const QRect cell = list->LogLst2->visualRect(list->LogLst2->model()->index(last - 3, 1));
  QTest::mouseClick(list->LogLst2->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(list->LogLst2->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(t_.receiver().shown().freq_10hz, 1557500);
  EXPECT_EQ(list->StatusBar1->text(), QStringLiteral("Double-click to tune to 15575.00"));
  EXPECT_TRUE(list->Modify1->isEnabled());
  list->LogLst2->selectAll();
  list->EditClick();
  EXPECT_FALSE(list->Delete1->isEnabled());
  EXPECT_EQ(list->SelectedEntryLines().size(), 19u);
  Named<QAction>(list, "MarrowbyParser1")->trigger();
  EXPECT_TRUE(
      t_.prompts().texts().back().ends_with("Marrowby Parser.exe\rFile not found or other error."));
}

TEST_F(LogWindowsTest, AddEntryWhileTunedThenModifyKeepsTheNoteLines) {
  t_.ctx().control().TuneRadio(9580.0);
  t_.ctx().station_windows().handover().name = "Shortwave Australia";
  TLogEDlg add(t_.ctx());
  add.SetMode(LogEntryMode::kAdd);
  EXPECT_EQ(add.windowTitle(), QStringLiteral("Add Log Entry - [TARVELIN.LOG]"));
  EXPECT_EQ(add.FreqEdit->text() + add.TimeEdit->text() + add.DateEdit->text(),
            QStringLiteral("9580.002105w18 Mar 26"));
  EXPECT_TRUE(add.KHzBtn->isChecked());
  EXPECT_EQ(add.StatLst->currentText(), QStringLiteral("Shortwave Australia"));
  add.NotesEdit->setPlainText(QStringLiteral("line one\nline two"));
  add.OKBtnClick();
  EXPECT_EQ(add.result(), QDialog::Accepted);
  const std::string added =
      " 9580.00\tkHz\t2105w\t18 Mar 26\tAM\t\t\t\tShortwave Australia\xFF\t\tline one\xFF\t\tline "
      "two\r\n";
  ASSERT_TRUE(LogBytes().ends_with(added));

  Named<QAction>(bar_, "ShowLog1")->trigger();
  TLogList* list = menu_.list();
  ASSERT_EQ(list->table().grid().ItemIndex(), 20);
  EXPECT_EQ(list->LogDetails->toPlainText(), QStringLiteral("line one\nline two"));
  testing::OnNextModal([](QWidget* w) {
    auto* dlg = static_cast<TLogEDlg*>(w);
    dlg->CallEdit->setText(QStringLiteral("VLW"));
    dlg->OKBtnClick();
  });
  list->Modify1->trigger();
  EXPECT_TRUE(
      LogBytes().ends_with(" 9580.00\tkHz\t2105w\t18 Mar 26\tAM\t\t\tVLW\tShortwave "
                           "Australia\xFF\t\tline one\xFF\t\tline two\r\n"));
  EXPECT_EQ(list->table().grid().Cell(6, 20), "VLW");
  testing::OnNextModal([](QWidget* w) { static_cast<TLogEDlg*>(w)->OKBtnClick(); });
  list->Delete1->trigger();
  EXPECT_EQ(LogBytes().find("VLW"), std::string::npos);
  EXPECT_EQ(list->LogLst2->model()->rowCount(), 19);
}

}  // namespace
}  // namespace r8
