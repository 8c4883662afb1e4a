// The receiver models the program knows; the numbers are the "RADIO" setting's values.
#pragma once

#include <optional>
#include <string_view>

namespace r8 {

inline constexpr int kModelNone = 0;
inline constexpr int kModelR8 = 1;
inline constexpr int kModelR8A = 2;
inline constexpr int kModelR8B = 3;

// "R8", "R8A", "R8B" (any letter case) to 1..3.
std::optional<int> ModelFromName(std::string_view name);
const char* ModelName(int model);
// Memory channels: 100, 440, 1000 (0 for no model).
int ChannelCount(int model);

}  // namespace r8
