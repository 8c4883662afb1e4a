// Replacing several files of one folder as one change that survives a crash or a kill at any
// moment. Each new file is written beside its old one ("NAME.new") and synced to the disk; then a
// marker naming the change (kCommitMarkerName) is written and synced; the new files take their
// names (a rename replaces its target in one step), the files the change removes go, the folder is
// synced, and the marker is removed last. RecoverCommit, run before anything reads the folder,
// finishes a change whose marker is there and drops the new files of one whose marker never was,
// so the folder holds exactly the old files or exactly the new ones.
//
// R8_COMMIT_PAUSE_MS in the environment pauses that many milliseconds between the steps, for
// crash drills that must catch a commit half way.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace r8 {

inline constexpr char kCommitMarkerName[] = "COMMIT.LST";

struct FileToWrite {
  std::filesystem::path path;
  std::string bytes;
};

// True when every file now holds its new bytes and every file in removals is gone; otherwise
// error says why and the folder is as it was. All paths must be in one folder.
bool CommitFiles(const std::vector<FileToWrite>& files, std::string& error,
                 const std::vector<std::filesystem::path>& removals = {});

// Puts right a commit that was stopped half way in the folder of these files: finished when its
// marker is there, otherwise the new files are dropped. Also tidies the "NAME.old" copies of the
// earlier way of committing. True when something had to be put right.
bool RecoverCommit(const std::vector<std::filesystem::path>& paths);

// Reads a whole file; false when it cannot be read.
bool ReadWholeFile(const std::filesystem::path& path, std::string& bytes);

}  // namespace r8
