#include "common/confirm_save.h"

#include <string>

namespace r8 {

Answer ConfirmSaveChanges(UserPrompts& prompts, std::string_view what, std::string_view action,
                          int changed) {
  if (changed != 1) return Answer::kNo;
  MessageRequest r;
  r.kind = MessageKind::kConfirmation;
  r.buttons = MessageButtons::kYesNoCancel;
  r.text = std::string(what) + " has been changed.\r\rSave " + std::string(what) + " before " +
           std::string(action) + "?";
  return prompts.Message(r);
}

}  // namespace r8
