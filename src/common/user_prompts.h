// The port through which the core talks to the person at the screen: message boxes, beeps, the busy
// cursor and the open/save file dialog. Texts are Latin-1 bytes, exactly as they are to be shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace r8 {

enum class MessageKind { kInformation, kWarning, kError, kConfirmation };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel, kRetryCancel, kAbortRetryIgnore };
enum class Answer { kOk, kCancel, kYes, kNo, kRetry, kAbort, kIgnore };

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

struct MessageRequest {
  MessageKind kind = MessageKind::kInformation;
  std::string caption;  // empty: the application title
  std::string text;
  MessageButtons buttons = MessageButtons::kOk;
  std::optional<ScreenPoint> top_left;  // where the box goes; none: the platform's default
};

struct FileDialogRequest {
  bool for_open = true;
  std::string title;
  std::string initial_dir;
  std::string initial_name;
  // "Description|*.EXT" pairs, shown in this order; filter_index is 1-based into it.
  std::vector<std::string> filters;
  int filter_index = 1;
  bool file_must_exist = false;
  bool path_must_exist = true;
  bool overwrite_prompt = false;
  bool hide_read_only = true;
};

struct FileDialogResult {
  bool accepted = false;
  std::string name;
  int filter_index = 1;  // the filter chosen when the dialog closed
};

enum class BeepKind { kDefault, kExclamation };

class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  virtual Answer Message(const MessageRequest& request) = 0;
  virtual void Beep(BeepKind kind) = 0;
  // Nested calls balance: the cursor is busy until every "on" has had its "off".
  virtual void BusyCursor(bool on) = 0;
  virtual FileDialogResult FileDialog(const FileDialogRequest& request) = 0;
};

// Convenience for the common one-button boxes.
inline Answer ShowMessage(UserPrompts& prompts, MessageKind kind, std::string text,
                          MessageButtons buttons = MessageButtons::kOk) {
  MessageRequest r;
  r.kind = kind;
  r.text = std::move(text);
  r.buttons = buttons;
  return prompts.Message(r);
}

}  // namespace r8
