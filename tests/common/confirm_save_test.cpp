#include "common/confirm_save.h"

#include <gtest/gtest.h>

#include "support/scripted_prompts.h"

namespace r8 {
namespace {

using testing::ScriptedPrompts;

TEST(ConfirmSaveChanges, AsksOnlyWhenChangedIsOneAndReturnsTheButton) {
  for (Answer a : {Answer::kYes, Answer::kNo, Answer::kCancel}) {
    ScriptedPrompts p;
    p.QueueAnswer(a);
    EXPECT_EQ(ConfirmSaveChanges(p, "Database", "re-opening", 1), a);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text, "Database has been changed.\r\rSave Database before re-opening?");
    EXPECT_EQ(p.messages[0].kind, MessageKind::kConfirmation);
    EXPECT_EQ(p.messages[0].buttons, MessageButtons::kYesNoCancel);
  }
  for (int changed : {0, 2, -1}) {
    ScriptedPrompts p;
    EXPECT_EQ(ConfirmSaveChanges(p, "Memory", "exiting", changed), Answer::kNo);
    EXPECT_TRUE(p.messages.empty());
  }
}

}  // namespace
}  // namespace r8
