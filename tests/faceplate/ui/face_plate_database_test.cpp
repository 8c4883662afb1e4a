#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "common/file_commit.h"
#include "database/database_files.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/face_plate_window.h"
#include "radio/radio_model.h"
#include "support/database_builder.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;
using testing::Rec;
using testing::TestContext;

class FacePlateDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = std::make_unique<TestContext>(kModelR8B);
    t->clock().Set({2026, 12, 5, 14, 30, 0});  // a Saturday, 1430 UTC
    t->ctx().settings().TimeOffset = 0;
    t->WriteSettingsFile();
    // The first record starts at 0000, as a table must for the save to write it.
    const std::vector<ScheduleRecord> records = {Rec(0, 100, 2, 5000.0),
                                                 Rec(1400, 1500, 1, 9580.0, 0, "Eu", 'F'),
                                                 Rec(1400, 1600, 2, 9580.0, 0, "Af", 'T'),
                                                 Rec(1500, 1600, 3, 9580.0),
                                                 testing::AllDayRec(3, 9580.0, "Am"),
                                                 Rec(1400, 1500, 1, 6195.0)};
    testing::WriteDatabaseFiles(t->dir().path(), testing::SavedScheduleBytes(records),
                                testing::StationFileBytes({"BBC", "Radio Alpha", "Voice Beta"}));
  }
  void Show() {
    face = std::make_unique<TFacePlate>(t->ctx());
    face->show();
    face->FormShow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(face.get()));
  }
  void Tune(const char* keys) {
    for (const char* k = keys; *k; ++k) face->Command(1220, *k);
  }
  void TearDown() override { face.reset(); }

  std::unique_ptr<TestContext> t;
  std::unique_ptr<TFacePlate> face;
  template <typename T>
  T* C(const char* name) {
    return testing::Named<T>(face.get(), name);
  }
};

// A save killed after its commit marker was written: the start finishes it before the load.
TEST_F(FacePlateDatabaseTest, StartingFinishesASaveThatWasKilledHalfWay) {
  const fs::path folder = t->dir().path();
  fs::rename(folder / "SWBCGIDE.DAT", folder / "SWBCGIDE.DAT.new");
  testing::WriteBytes(folder / "SWBCGIDE.DAT",
                      testing::SavedScheduleBytes({Rec(1400, 1500, 1, 9580.0)}));
  testing::WriteBytes(folder / kCommitMarkerName, "R8 COMMIT 1\nW SWBCGIDE.DAT\n");
  Show();
  EXPECT_EQ(t->ctx().database().count(), 6);
  EXPECT_FALSE(fs::exists(folder / kCommitMarkerName));
}

TEST_F(FacePlateDatabaseTest, TheStationListShowsWhoIsOnTheFrequencyNow) {
  Show();
  EXPECT_EQ(t->ctx().database().count(), 6);
  Tune("9580\r");
  ASSERT_EQ(C<QListWidget>("StationLst")->count(), 3);
  std::vector<bool> flags;
  QString all;
  for (int i = 0; i < C<QListWidget>("StationLst")->count(); ++i) {
    flags.push_back(C<QListWidget>("StationLst")->item(i)->data(Qt::UserRole).toBool());
    all += C<QListWidget>("StationLst")->item(i)->text() + QLatin1Char('\n');
  }
  EXPECT_TRUE(all.contains(QStringLiteral("Voice Beta")));     // all day
  EXPECT_EQ(std::count(flags.begin(), flags.end(), true), 1);  // Radio Alpha is marked heard
  C<QListWidget>("StationLst")->setCurrentRow(1);
  face->resize(face->sizeHint());
  testing::SaveShot(face.get(), QStringLiteral("faceplate_stations"));

  Tune("6195\r");
  EXPECT_EQ(C<QListWidget>("StationLst")->count(), 1);
  face->panel().PowerBtnClick();  // off: nothing listed
  EXPECT_EQ(C<QListWidget>("StationLst")->count(), 0);
}

TEST_F(FacePlateDatabaseTest, TheCaptionNamesTheActiveScheduleSet) {
  testing::WriteBytes(t->dir() / "SWBCGIDE.SKD", "x");
  Show();
  EXPECT_EQ(face->windowTitle(), QStringLiteral("Veltrix R8 Control 32 - [SRC]"));
}

// The question itself is the core's (tests/common/confirm_save_test.cpp): here the answers reach
// it.
TEST_F(FacePlateDatabaseTest, ClosingAsksAboutAChangedDatabase) {
  Show();
  t->ctx().database().SetDatabaseChanged(1);
  face->UpdateDisplay();
  EXPECT_TRUE(C<QAction>("SaveDatabase1")->isEnabled());
  t->prompts().QueueAnswer(Answer::kCancel);
  EXPECT_FALSE(face->close());
  EXPECT_EQ(t->prompts().messages.size(), 1u);
  const auto before = std::filesystem::last_write_time(t->dir() / "SWBCGIDE.DAT");
  t->prompts().QueueAnswer(Answer::kYes);
  EXPECT_TRUE(face->close());
  EXPECT_NE(std::filesystem::last_write_time(t->dir() / "SWBCGIDE.DAT"), before);
}

TEST_F(FacePlateDatabaseTest, NoDiscardsTheChangesAndCloses) {
  Show();
  t->ctx().database().SetDatabaseChanged(1);
  t->prompts().QueueAnswer(Answer::kNo);
  EXPECT_TRUE(face->close());
  EXPECT_EQ(t->ctx().database().DatabaseChanged(), 0);
}

TEST_F(FacePlateDatabaseTest, MenuShortcuts) {
  Show();
  const std::pair<QAction*, const char*> items[] = {
      {C<QAction>("OpenDatabase1"), "Alt+F9"},   {C<QAction>("SaveDatabase1"), "F9"},
      {C<QAction>("DumpDatabase1"), "Ctrl+F9"},  {C<QAction>("ImportDatabase1"), "Alt+Shift+F9"},
      {C<QAction>("SwapDatabase1"), "Shift+F9"}, {C<QAction>("PublishDatabase1"), "Ctrl+U"}};
  for (auto [action, keys] : items) {
    EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(keys)))
        << action->text().toStdString();
  }
}

TEST_F(FacePlateDatabaseTest, DumpWritesTheScheduleTextAndSwapStartsTheCompanion) {
  Show();
  C<QAction>("DumpDatabase1")->trigger();
  EXPECT_TRUE(std::filesystem::exists(t->dir() / "SKEDULE.TXT"));
  EXPECT_NE(t->ctx().profile().ReadInt("DATABASE", "FD", 0), 0);
  testing::WriteBytes(t->dir() / "SWBCGIDE.SRC", "x");
  testing::WriteBytes(t->dir() / "QUORNUTE.EXE", "#!/bin/sh\n");
  t->prompts().QueueAnswer(Answer::kYes);
  C<QAction>("SwapDatabase1")->trigger();
  ASSERT_EQ(t->launcher().calls.size(), 1u);
  EXPECT_EQ(t->launcher().calls[0].arguments, (std::vector<std::string>{"--window", "/u"}));
}

}  // namespace
}  // namespace r8
