// The one prompt that guards every changed document (database, memory file, pan file) before it is
// replaced or the program exits.
#pragma once

#include <string_view>

#include "common/user_prompts.h"

namespace r8 {

// When changed is 1: "<what> has been changed." and "Save <what> before <action>?" with Yes, No
// and Cancel, and the button pressed. Otherwise No, without asking.
Answer ConfirmSaveChanges(UserPrompts& prompts, std::string_view what, std::string_view action,
                          int changed);

}  // namespace r8
