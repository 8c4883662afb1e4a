#include "support/scripted_prompts.h"

namespace r8::testing {

Answer ScriptedPrompts::Message(const MessageRequest& request) {
  messages.push_back(request);
  if (answers_.empty()) {
    ++unanswered;
    return request.buttons == MessageButtons::kOk ? Answer::kOk : Answer::kCancel;
  }
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

void ScriptedPrompts::BusyCursor(bool on) {
  busy_depth += on ? 1 : -1;
  ++busy_changes;
}

FileDialogResult ScriptedPrompts::FileDialog(const FileDialogRequest& request) {
  file_requests.push_back(request);
  if (files_.empty()) {
    ++unanswered;
    return {};
  }
  FileDialogResult r = files_.front();
  files_.pop_front();
  if (r.accepted && r.filter_index == 0) r.filter_index = request.filter_index;
  return r;
}

void ScriptedPrompts::QueueFile(std::string name, int filter_index) {
  files_.push_back(FileDialogResult{true, std::move(name), filter_index});
}

std::vector<std::string> ScriptedPrompts::texts() const {
  std::vector<std::string> out;
  for (const auto& m : messages) out.push_back(m.text);
  return out;
}

}  // namespace r8::testing
