#include <algorithm>

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "app/app_context.h"
#include "common/file_commit.h"
#include "log/ui/log_entry_dialog.h"
#include "log/ui/log_list_window.h"
#include "log/ui/log_menu.h"
#include "settings/settings.h"
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
  std::string error_;
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

TEST_F(LogWindowsTest, ExportReportAndPrintItemsReachTheirOperations) {
  Named<QAction>(bar_, "ShowLog1")->trigger();
  TLogList* list = menu_.list();
  ASSERT_NE(list, nullptr);
  t_.ctx().settings().log_form = std::string(kUntitled);
  Named<QAction>(list, "ExportAll1")->trigger();
  EXPECT_EQ(t_.prompts().texts().back(),
            "No export format has been loaded.  Please specify an export format from the Log "
            "Display.");
  t_.ctx().settings().rpt_form = std::string(kUntitled);
  Named<QAction>(list, "PrintReport1")->trigger();
  EXPECT_TRUE(t_.prompts().texts().back().starts_with("No report format has been loaded."));

  // The selected row through a format into the file the user names.
  ASSERT_TRUE(CommitFiles({{t_.dir() / "ST.FML", "[stat]\r\n"}}, error_));
  t_.ctx().settings().log_form = (t_.dir() / "ST.FML").string();
  list->LogLst2->selectRow(0);
  const std::string station = list->SelectedEntryLines().at(0);
  t_.prompts().QueueFile("OUT");
  Named<QAction>(list, "ExportSelected1")->trigger();
  std::string out;
  ASSERT_TRUE(ReadWholeFile(t_.dir() / "OUT.TXT", out));
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << out;        // one line...
  ASSERT_TRUE(out.ends_with(" \r\n")) << out;
  EXPECT_NE(station.find(out.substr(0, out.size() - 3)), std::string::npos) << out;  // its station

  // The faceplate's Print log asks with the selection offered and prints to the PDF named.
  bool offered = false;
  menu_.print_dialog = [&](QPrinter& p, const PrintOffer& o, QWidget*) {
    offered = o.selection;
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(QString::fromStdString((t_.dir() / "LOG.pdf").string()));
    return std::optional<PrintChoice>(PrintChoice{});
  };
  Named<QAction>(bar_, "PrintLog1")->trigger();
  EXPECT_TRUE(offered);
  EXPECT_GT(std::filesystem::file_size(t_.dir() / "LOG.pdf"), 1000u);
}

}  // namespace
}  // namespace r8
