#include "common/ui/text_printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "common/ui/print_status_dialog.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

TextPrintRequest Lines(int n) {
  TextPrintRequest r;
  r.title = "BBC";
  for (int i = 0; i < n; ++i) r.lines.push_back("Line " + std::to_string(i) + "\t 9580.0Eu*");
  return r;
}

TEST(TextPrinter, FillsPagesAndStopsWhenAborted) {
  testing::TempDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((dir / "out.pdf").string()));
  bool aborted = false;
  TPrintStatusDlg status(aborted);
  // At 10 points a page holds some 60 lines: 200 lines need four pages.
  const int pages = PrintTextLines(printer, Lines(200), &status, aborted);
  EXPECT_GE(pages, 3);
  EXPECT_LE(pages, 5);
  EXPECT_GT(QFile(QString::fromStdString((dir / "out.pdf").string())).size(), 1000);
  EXPECT_FALSE(status.isVisible());

  // Abort pressed as soon as the window shows: the page loop stops before drawing anything.
  printer.setOutputFileName(QString::fromStdString((dir / "out2.pdf").string()));
  QTimer::singleShot(0, &status, [&] { QTest::mouseClick(status.AbortBtn, Qt::LeftButton); });
  EXPECT_EQ(PrintTextLines(printer, Lines(200), &status, aborted), 0);
  EXPECT_TRUE(aborted);
}

TEST(TextPrinter, NothingToPrintPrintsNothing) {
  testing::TempDir dir;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString((dir / "none.pdf").string()));
  const bool aborted = false;
  EXPECT_EQ(PrintTextLines(printer, Lines(0), nullptr, aborted), 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdString((dir / "none.pdf").string())));
}

}  // namespace
}  // namespace r8
