#include "database/database_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/database_builder.h"
#include "support/recording_launcher.h"
#include "support/scripted_prompts.h"

namespace r8 {
namespace {

namespace fs = std::filesystem;
using testing::Rec;

class DatabaseCommandsTest : public ::testing::Test {
 protected:
  DatabaseCommandsTest() : profile_(dir_ / "TARVELIN.INI") { Reset(); }

  // One record on disk, two changed ones in memory.
  void Reset() {
    testing::WriteDatabaseFiles(dir_.path(), testing::SavedScheduleBytes({Rec(0, 100, 1, 5950)}),
                                testing::StationFileBytes({"On disk"}));
    db_ = testing::MakeDatabase({"In memory"}, {Rec(0, 100, 1, 7205), Rec(0, 100, 1, 9580)});
  }
  // Forgets the boxes shown so far and queues the answers to the next ones.
  void Answers(std::initializer_list<Answer> answers) {
    prompts_ = testing::ScriptedPrompts();
    for (Answer a : answers) prompts_.QueueAnswer(a);
  }
  void Touch(const std::string& name) { testing::WriteBytes(dir_ / name, ""); }
  std::vector<std::vector<std::string>> Launches() const {
    std::vector<std::vector<std::string>> out;
    for (const auto& c : launcher_.calls) out.push_back(c.arguments);
    return out;
  }

  testing::TempDir dir_;
  testing::ScriptedPrompts prompts_;
  testing::RecordingLauncher launcher_;
  ProfileFile profile_;
  DatabasePorts ports_{prompts_, launcher_, profile_, nullptr};
  StationDatabase db_;
};

const std::string kSavePrompt = "Database has been changed.\r\rSave Database before ";

TEST_F(DatabaseCommandsTest, ReopeningAsksOnlyWhenChangedAndFollowsTheAnswer) {
  struct Case {
    int changed;
    std::optional<Answer> answer;
    CommandOutcome outcome;
    double first_freq_after;  // 5950 when reloaded from disk
    bool saved;
  };
  const Case cases[] = {
      {0, std::nullopt, CommandOutcome::kDone, 5950, false},
      {1, Answer::kNo, CommandOutcome::kDone, 5950, false},
      {1, Answer::kCancel, CommandOutcome::kCancelled, 7205, false},
      {1, Answer::kYes, CommandOutcome::kDone, 7205, true},  // saved first, then re-read
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.outcome));
    Reset();
    db_.SetDatabaseChanged(c.changed);
    Answers({});
    if (c.answer) prompts_.QueueAnswer(*c.answer);
    EXPECT_EQ(CMFileOpen(dir_.path(), db_, ports_), c.outcome);
    EXPECT_EQ(db_.Record(1).Freq, c.first_freq_after);
    EXPECT_EQ(prompts_.texts().size(), c.changed == 1 ? 1u : 0u);
    if (c.changed == 1) {
      EXPECT_EQ(prompts_.texts()[0], kSavePrompt + "re-opening?");
    }
    EXPECT_EQ(db_.StationNameOf(db_.Record(1)).substr(0, 9),
              c.saved || c.answer == Answer::kCancel ? "In memory" : "On disk  ");
  }
}

TEST_F(DatabaseCommandsTest, AFailedSaveStopsTheCommandSoTheChangesAreNotLost) {
  db_.SetDatabaseChanged(1);
  db_.set_incomplete(true);  // saving is refused
  prompts_.QueueAnswer(Answer::kYes);
  EXPECT_EQ(CMFileOpen(dir_.path(), db_, ports_), CommandOutcome::kCancelled);
  EXPECT_EQ(db_.Record(1).Freq, 7205);  // not replaced by the file's records
  EXPECT_EQ(db_.DatabaseChanged(), 1);
  Touch("QUORNUTE.EXE");
  prompts_.QueueAnswer(Answer::kYes);
  EXPECT_EQ(CMFilePublish(dir_.path(), db_, ports_), CommandOutcome::kCancelled);
  EXPECT_TRUE(launcher_.calls.empty());
}

TEST_F(DatabaseCommandsTest, UpdateAllReloadsAndGivesTheCaption) {
  Touch("SWBCGIDE.SRC");
  const UpdateAllResult r = UpdateAll(dir_.path(), db_, ports_);
  EXPECT_EQ(r.outcome, CommandOutcome::kDone);
  EXPECT_EQ(r.caption, "Veltrix R8 Control 32 - [SKD]");
  EXPECT_EQ(db_.count(), 1);
}

TEST_F(DatabaseCommandsTest, ImportNeedsTheUpdateFileAndAConfirmation) {
  Touch("QUORNUTE.EXE");
  EXPECT_EQ(CMFileImport(dir_.path(), db_, ports_), CommandOutcome::kNothingToDo);
  EXPECT_EQ(prompts_.texts(), (std::vector<std::string>{"Nothing to import!"}));
  EXPECT_EQ(prompts_.messages[0].kind, MessageKind::kInformation);

  Touch("SW_UPD.DBF");
  Answers({Answer::kNo});
  EXPECT_EQ(CMFileImport(dir_.path(), db_, ports_), CommandOutcome::kCancelled);
  EXPECT_EQ(
      prompts_.texts(),
      (std::vector<std::string>{
          "About to import the SWBC Schedules database.\rAre you sure you want to continue?"}));
  EXPECT_EQ(prompts_.messages[0].buttons, MessageButtons::kYesNo);
  EXPECT_TRUE(launcher_.calls.empty());

  db_.SetDatabaseChanged(1);
  Answers({Answer::kYes, Answer::kNo});
  EXPECT_EQ(CMFileImport(dir_.path(), db_, ports_), CommandOutcome::kDone);
  EXPECT_EQ(prompts_.texts()[1], kSavePrompt + "importing?");
  EXPECT_EQ(Launches(), (std::vector<std::vector<std::string>>{{"--window", "/i"}}));
}

TEST_F(DatabaseCommandsTest, SwapNeedsTheDatabaseAndAnInactiveSet) {
  Touch("QUORNUTE.EXE");
  EXPECT_EQ(CMSwapDatabase(dir_.path(), db_, ports_), CommandOutcome::kNothingToDo);
  EXPECT_EQ(prompts_.texts(), (std::vector<std::string>{"Nothing to swap!"}));
  for (const char* inactive : {"SWBCGIDE.SRC", "SWBCGIDE.SKD"}) {
    testing::TempDir d;
    testing::WriteBytes(d / "SWBCGIDE.DAT", "");
    testing::WriteBytes(d / "QUORNUTE.EXE", "");
    testing::WriteBytes(d / inactive, "");
    launcher_.calls.clear();
    EXPECT_EQ(CMSwapDatabase(d.path(), db_, ports_), CommandOutcome::kDone) << inactive;
    EXPECT_EQ(Launches(), (std::vector<std::vector<std::string>>{{"--window", "/u"}}));
  }
  db_.SetDatabaseChanged(1);
  Touch("SWBCGIDE.SKD");
  Answers({Answer::kCancel});
  launcher_.calls.clear();
  EXPECT_EQ(CMSwapDatabase(dir_.path(), db_, ports_), CommandOutcome::kCancelled);
  EXPECT_EQ(prompts_.texts(), (std::vector<std::string>{kSavePrompt + "swapping?"}));
  EXPECT_TRUE(launcher_.calls.empty());
}

TEST_F(DatabaseCommandsTest, PublishSavesOnYesBeforeStartingTheCompanion) {
  Touch("QUORNUTE.EXE");
  db_.SetDatabaseChanged(1);
  prompts_.QueueAnswer(Answer::kYes);
  EXPECT_EQ(CMFilePublish(dir_.path(), db_, ports_), CommandOutcome::kDone);
  EXPECT_EQ(prompts_.texts(), (std::vector<std::string>{kSavePrompt + "publishing?"}));
  EXPECT_EQ(Launches(), (std::vector<std::vector<std::string>>{{"--window", "/r"}}));
  EXPECT_EQ(db_.DatabaseChanged(), 0);
  EXPECT_EQ(testing::ReadBytes(dir_ / "SWBCGIDE.DAT").size(), 32u);  // saved before publishing
}

TEST_F(DatabaseCommandsTest, DumpCommandSavesOnYesAndWritesTheDumpFile) {
  db_.SetDatabaseChanged(1);
  prompts_.QueueAnswer(Answer::kYes);
  EXPECT_EQ(CMAllPrint(dir_.path(), db_, ports_), CommandOutcome::kDone);
  EXPECT_EQ(prompts_.texts(), (std::vector<std::string>{kSavePrompt + "dumping?"}));
  EXPECT_EQ(db_.DatabaseChanged(), 0);
  EXPECT_EQ(testing::ReadBytes(dir_ / "SKEDULE.TXT"), "0000-0100" + std::string(9, ' ') +
                                                          "In memory" + std::string(16, ' ') +
                                                          "  7205.0Eu " + "  9580.0Eu " + "\r\n");
  Answers({Answer::kCancel});
  db_.SetDatabaseChanged(1);
  fs::remove(dir_ / "SKEDULE.TXT");
  EXPECT_EQ(CMAllPrint(dir_.path(), db_, ports_), CommandOutcome::kCancelled);
  EXPECT_FALSE(fs::exists(dir_ / "SKEDULE.TXT"));
}

}  // namespace
}  // namespace r8
