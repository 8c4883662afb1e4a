#include "database/ui/database_printing.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>

#include "settings/profile_file.h"
#include "support/database_builder.h"
#include "support/recording_launcher.h"
#include "support/scripted_prompts.h"

namespace r8 {
namespace {

using testing::Rec;

TEST(DatabasePrinting, PrnPrintsTheStationsScheduleAFileDestinationDoesNot) {
  testing::TempDir dir;
  testing::ScriptedPrompts prompts;
  testing::RecordingLauncher launcher;
  ProfileFile profile(dir / "TARVELIN.INI");
  DatabasePorts ports{prompts, launcher, profile, nullptr};
  const StationDatabase db = testing::MakeDatabase(
      {"Radio Kestrel Intl", "Voice of Valdoria"},
      {Rec(0, 100, 1, 5950), Rec(1400, 1500, 2, 7325), Rec(1400, 1500, 2, 9580)});
  const QString pdf = QString::fromStdString((dir / "sked.pdf").string());
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  bool aborted = false;

  EXPECT_EQ(PrintSchedule(nullptr, printer, dir.path(), db, "Valdoria", "TXT1.TXT", ports, aborted),
            DumpOutcome::kWritten);
  EXPECT_TRUE(std::filesystem::exists(dir / "TXT1.TXT"));
  EXPECT_FALSE(QFile::exists(pdf));

  EXPECT_EQ(PrintSchedule(nullptr, printer, dir.path(), db, "Valdoria", "PRN", ports, aborted),
            DumpOutcome::kWritten);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll().count("/Type /Page\n"), 1);
  EXPECT_EQ(printer.docName(), QStringLiteral("Valdoria"));
  EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace r8
