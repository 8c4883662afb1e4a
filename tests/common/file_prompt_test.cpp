#include "common/file_prompt.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/scripted_prompts.h"
#include "support/temp_dir.h"

namespace r8 {
namespace {

using testing::ScriptedPrompts;

TEST(ValidateFreq, AcceptsTheReceiverRangeAndRoundsToTenthsOfAKilohertz) {
  ScriptedPrompts prompts;
  EXPECT_EQ(ValidateFreq(prompts, "100"), std::optional<std::string>("  100.0"));
  EXPECT_EQ(ValidateFreq(prompts, "30000"), std::optional<std::string>("30000.0"));
  EXPECT_EQ(ValidateFreq(prompts, " 9580.04 "), std::optional<std::string>(" 9580.0"));
  EXPECT_EQ(ValidateFreq(prompts, "9580.06"), std::optional<std::string>(" 9580.1"));
  EXPECT_TRUE(prompts.messages.empty());
}

TEST(ValidateFreq, RejectsWithTheExactMessage) {
  for (const char* bad : {"99.9", "30000.1", " abc ", "", "-5000"}) {
    ScriptedPrompts prompts;
    EXPECT_FALSE(ValidateFreq(prompts, bad).has_value()) << bad;
    ASSERT_EQ(prompts.messages.size(), 1u);
    const std::string trimmed = std::string(bad) == " abc " ? "abc" : bad;
    EXPECT_EQ(
        prompts.messages[0].text,
        trimmed +
            " is an illegal frequency.\r\rFrequencies entered must be between 100 and 30000.");
    EXPECT_EQ(prompts.messages[0].kind, MessageKind::kError);
    EXPECT_EQ(prompts.messages[0].buttons, MessageButtons::kOk);
  }
}

TEST(PromptFileName, OpenDialogTitleOptionsAndFilter) {
  ScriptedPrompts prompts;
  prompts.QueueFile("/data/BANDS.MEM");
  std::string name = "OLD.MEM";
  ASSERT_TRUE(PromptFileName(prompts, "Memory", "*.MEM", name, false, true));
  EXPECT_EQ(name, "/data/BANDS.MEM");
  const FileDialogRequest& r = prompts.file_requests.at(0);
  EXPECT_EQ(r.title, "Open Memory File");
  EXPECT_TRUE(r.for_open);
  EXPECT_TRUE(r.file_must_exist);
  EXPECT_TRUE(r.path_must_exist);
  EXPECT_TRUE(r.hide_read_only);
  EXPECT_FALSE(r.overwrite_prompt);
  EXPECT_EQ(r.filter_index, 1);
  EXPECT_EQ(r.initial_name, "OLD.MEM");
  EXPECT_EQ(r.initial_dir, std::filesystem::current_path().string());
  ASSERT_EQ(r.filters.size(), 7u);
  EXPECT_EQ(r.filters[5], "Pan Files (*.PAN)|*.PAN");

  prompts.QueueFile("NEW.LOG");
  ASSERT_TRUE(PromptFileName(prompts, "Log", "*.LOG", name, true, true));
  EXPECT_FALSE(prompts.file_requests.at(1).file_must_exist);  // may be created
}

TEST(PromptFileName, SaveDialogAndTheExtensionRule) {
  struct Case {
    const char* mask;
    const char* chosen;
    int filter;
    const char* result;
  };
  const Case cases[] = {
      {"*.TXT", "report", 0, "report.txt"},
      {"*.TXT", "report.", 0, "report.txt"},
      {"*.TXT", "report.RPT", 0, "report.RPT"},
      {"*.LOG", "/home/a.b/night", 0, "/home/a.b/night.log"},  // a dot in a folder is no extension
      {"*.LOG", "night", 7, "night"},                          // "All files" adds nothing
      {"*.XYZ", "thing", 0, "thing"},                          // an unknown mask means all files
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen);
    ScriptedPrompts prompts;
    prompts.QueueFile(c.chosen, c.filter);
    std::string name;
    ASSERT_TRUE(PromptFileName(prompts, "Export", c.mask, name, false, false));
    EXPECT_EQ(name, c.result);
    const FileDialogRequest& r = prompts.file_requests.at(0);
    EXPECT_EQ(r.title, "Save Export File As");
    EXPECT_TRUE(r.overwrite_prompt);
    EXPECT_FALSE(r.file_must_exist);
  }
}

TEST(PromptFileName, CancelKeepsTheNameAndTheFolder) {
  ScriptedPrompts prompts;
  prompts.QueueFileCancel();
  std::string name = "KEEP.PAN";
  const auto before = std::filesystem::current_path();
  EXPECT_FALSE(PromptFileName(prompts, "Pan", "*.PAN", name, false, true));
  EXPECT_EQ(name, "KEEP.PAN");
  EXPECT_EQ(std::filesystem::current_path(), before);
  EXPECT_EQ(prompts.file_requests.at(0).filter_index, 6);
}

TEST(PromptFileName, FilterIndexFollowsTheMask) {
  EXPECT_EQ(FilterIndexForMask("*.MEM"), 1);
  EXPECT_EQ(FilterIndexForMask("*.log"), 2);
  EXPECT_EQ(FilterIndexForMask("*.FMR"), 5);
  EXPECT_EQ(FilterIndexForMask("*.*"), 7);
  EXPECT_EQ(FilterIndexForMask(""), 7);
}

}  // namespace
}  // namespace r8
