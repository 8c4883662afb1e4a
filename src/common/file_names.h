// Data files are named as the program has always named them (".\TARVELIN.LOG", "SWBCGIDE.DAT").
// These helpers find them on a file system that cares about case and uses "/" between folders.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace r8 {

// ".\TARVELIN.LOG" gives "./TARVELIN.LOG"; a drive letter is kept as it is.
std::string NativePath(std::string_view stored_name);

// The file as named when it exists; else a file in the same folder whose name differs only in
// ASCII case ("tarvelin.ini" for "TARVELIN.INI"); else the name unchanged.
std::filesystem::path FindFileNoCase(const std::filesystem::path& name);

}  // namespace r8
