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

TextPrintout Lines(int n) {
  TextPrintout r;
  r.title = "BBC";
  for (int i = 0; i < n; ++i) r.lines.push_back("Line " + std::to_string(i) + "\t 9580.0Eu*");
  return r;
}

TEST(TextPrinter, PagesReachThePdfAndAbortStopsThem) {
  testing::TempDir dir;
  const QString out = QString::fromStdString((dir / "out.pdf").string());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out);
  bool aborted = false;
  TPrintStatusDlg status(aborted);
  // At 10 points a page holds some 60 lines: 200 lines need four pages.
  const int pages = PrintTextLines(printer, Lines(200), &status, aborted).printed;
  EXPECT_GT(pages, 1);
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("/Type /Page\n"), pages);
  EXPECT_FALSE(status.isVisible());

  // Abort pressed as soon as the window shows: the page loop stops before drawing anything.
  printer.setOutputFileName(QString::fromStdString((dir / "out2.pdf").string()));
  QTimer::singleShot(0, &status, [&] { QTest::mouseClick(status.AbortBtn, Qt::LeftButton); });
  EXPECT_EQ(PrintTextLines(printer, Lines(200), &status, aborted).printed, 0);

  printer.setOutputFileName(QString::fromStdString((dir / "none.pdf").string()));
  EXPECT_EQ(PrintTextLines(printer, Lines(0), nullptr, aborted).pages, 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdString((dir / "none.pdf").string())));
}

}  // namespace
}  // namespace r8
