// Replacing several files as one change: each new file is written completely beside its old one
// ("NAME.new"), the old files step aside ("NAME.old"), the new ones take their names, and only then
// are the old ones removed. An error on the way puts every old file back. A run that was killed
// half way is put right by RecoverCommit before the next change.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace r8 {

struct FileToWrite {
  std::filesystem::path path;
  std::string bytes;
};

// True when every file now holds its new bytes; otherwise error says why and the files are as
// they were before.
bool CommitFiles(const std::vector<FileToWrite>& files, std::string& error);

// After a killed commit of these files: while any "NAME.new" is left the commit had not finished,
// so the old files go back; otherwise the leftover old files are removed. True when something
// had to be put right.
bool RecoverCommit(const std::vector<std::filesystem::path>& paths);

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

}  // namespace r8
