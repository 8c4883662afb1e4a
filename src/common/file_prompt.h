// Typed-frequency validation and the shared open/save file prompt, both of which talk to the user.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/user_prompts.h"

namespace r8 {

// Accepts 100..30000 kHz and gives the value rounded to 0.1 kHz in seven characters (" 9580.0");
// anything else is reported in an error box and gives nullopt.
std::optional<std::string> ValidateFreq(UserPrompts& prompts, std::string_view text);

// The filter list every file dialog of the program shows, in this order (filter index 1..7).
const std::vector<std::string>& FileDialogFilters();
int FilterIndexForMask(std::string_view mask);

// The shared open/save prompt. what names the document ("Memory"), mask its pattern ("*.MEM").
// On confirmation name receives the chosen file, with the mask's extension added when none was
// typed, and the result is true.
bool PromptFileName(UserPrompts& prompts, std::string_view what, std::string_view mask,
                    std::string& name, bool may_create, bool for_open);

// The extension rule on its own: "LOG1" with the "*.LOG" filter becomes "LOG1.log".
std::string ApplyDefaultExtension(std::string name, std::string_view mask, int filter_index);

}  // namespace r8
