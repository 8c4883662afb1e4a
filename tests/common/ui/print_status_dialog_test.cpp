#include "common/ui/print_status_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "common/print_status.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

TEST(PrintStatusWindow, TextsAndTheAbortFlag) {
  bool aborted = true;  // left over from an earlier printout
  TPrintStatusDlg dlg(aborted);
  EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Printing..."));
  EXPECT_EQ(dlg.Label1->text(), QStringLiteral("Printing"));
  EXPECT_EQ(dlg.PageNo->text(), QStringLiteral("Page 0 of 0 from"));
  EXPECT_EQ(dlg.AbortBtn->text(), QStringLiteral("Abort"));
  dlg.show();
  EXPECT_FALSE(aborted);
  dlg.SetPage(3, 7);
  dlg.SetSource("MYLOG.LOG", "PRN");
  EXPECT_EQ(dlg.PageNo->text(), QStringLiteral("Page 3 of 7 from"));
  EXPECT_EQ(dlg.FileName->text(), QStringLiteral("MYLOG.LOG"));
  testing::SaveShot(&dlg, QStringLiteral("print_status"));
}

TEST(PrintStatusWindow, PressingAbortStopsThePrintoutAfterTheCurrentPage) {
  bool aborted = false;
  TPrintStatusDlg dlg(aborted);
  dlg.show();
  std::vector<int> printed;
  const int done = PrintPages(
      6,
      [&](int page) {
        dlg.SetPage(page, 6);
        printed.push_back(page);
        if (page == 3) QTest::mouseClick(dlg.AbortBtn, Qt::LeftButton);
      },
      [] { QApplication::processEvents(); }, aborted);
  EXPECT_TRUE(aborted);
  EXPECT_EQ(done, 3);
  EXPECT_EQ(printed, (std::vector<int>{1, 2, 3}));
}

}  // namespace
}  // namespace r8
