#include "database/ui/database_printing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

TEST(DatabasePrinting, APrintJobReachesThePrinterUnderItsTitle) {
  testing::TempDir dir;
  const QString pdf = QString::fromStdString((dir / "sked.pdf").string());
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  testing::ScriptedPrompts prompts;
  const PrintJob job{"Valdoria", "Courier", 10, true, {"0000-0100 Voice of Valdoria 7325.0NA "}};
  EXPECT_EQ(PrintScheduleJob(nullptr, printer, job, prompts), DumpOutcome::kWritten);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("/Type /Page\n"), 1);
  EXPECT_EQ(printer.docName(), QStringLiteral("Valdoria"));
}

}  // namespace
}  // namespace r8
