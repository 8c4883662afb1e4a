// UserPrompts for tests: answers are queued beforehand, and every box, beep, cursor change and
// file dialog is recorded so tests can assert the exact texts.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/user_prompts.h"

namespace r8::testing {

class ScriptedPrompts : public UserPrompts {
 public:
  Answer Message(const MessageRequest& request) override;
  void Beep(BeepKind kind) override { beeps.push_back(kind); }
  void BusyCursor(bool on) override;
  FileDialogResult FileDialog(const FileDialogRequest& request) override;

  void QueueAnswer(Answer a) { answers_.push_back(a); }
  void QueueFile(std::string name, int filter_index = 0);
  void QueueFileCancel() { files_.push_back(FileDialogResult{}); }

  // Texts of every message box, in order.
  std::vector<std::string> texts() const;

  std::vector<MessageRequest> messages;
  std::vector<FileDialogRequest> file_requests;
  std::vector<BeepKind> beeps;
  int busy_depth = 0;
  int busy_changes = 0;
  // Boxes or dialogs that found no queued answer (they got Cancel).
  int unanswered = 0;

 private:
  std::deque<Answer> answers_;
  std::deque<FileDialogResult> files_;
};

}  // namespace r8::testing
