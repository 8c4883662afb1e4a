#include "common/ui/text_printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "common/print_status.h"
#include "common/ui/print_status_dialog.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

TextPrintout Lines(int n) {
  TextPrintout r;
  r.title = "BBC";
  for (int i = 0; i < n; ++i) r.lines.push_back("Line " + std::to_string(i) + " 9580.0Eu*");
  return r;
}

// Page objects in a PDF file, not counting the page tree ("/Type /Pages").
int PdfPageCount(const QString& file_name) {
  QFile file(file_name);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QString text = QString::fromLatin1(file.readAll());
  return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

TEST(TextPrinter, PagesReachThePdfAndAbortStopsThem) {
  testing::TempDir dir;
  const QString out = QString::fromStdString((dir / "out.pdf").string());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(out);
  bool aborted = false;
  TPrintStatusDlg status(aborted);
  const TextPagesResult r = PrintTextLines(printer, Lines(200), &status, aborted);
  EXPECT_TRUE(r.error.empty());
  EXPECT_GT(r.printed, 1);  // some 60 lines of Courier 10 to a page
  EXPECT_EQ(PdfPageCount(out), r.printed);
  EXPECT_EQ(status.PageNo->text().toStdString(), PrintPageText(r.pages, r.pages));
  EXPECT_FALSE(status.isVisible());

  // Abort pressed as soon as the window shows: not a page is drawn, and no lines are lost
  // silently: the result says how many were needed.
  printer.setOutputFileName(QString::fromStdString((dir / "out2.pdf").string()));
  QTimer::singleShot(0, &status, [&] { QTest::mouseClick(status.AbortBtn, Qt::LeftButton); });
  const TextPagesResult stopped = PrintTextLines(printer, Lines(200), &status, aborted);
  EXPECT_EQ(stopped.printed, 0);
  EXPECT_EQ(stopped.pages, r.pages);

  printer.setOutputFileName(QString::fromStdString((dir / "none.pdf").string()));
  EXPECT_EQ(PrintTextLines(printer, Lines(0), nullptr, aborted).pages, 0);
  EXPECT_FALSE(QFile::exists(QString::fromStdString((dir / "none.pdf").string())));
}

}  // namespace
}  // namespace r8
