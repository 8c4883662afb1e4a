#include "common/file_commit.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>
#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define R8_HAVE_FSYNC 1
#endif

#include "common/program_launcher.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

constexpr char kMarkerHeader[] = "R8 COMMIT 1";

fs::path WithSuffix(const fs::path& p, const char* suffix) {
  fs::path out = p;
  out += suffix;
  return out;
}

bool Exists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

void PauseForDrill() {
  static const long pause_ms = [] {
    const char* text = std::getenv("R8_COMMIT_PAUSE_MS");
    const long ms = text ? std::strtol(text, nullptr, 10) : 0;
    return ms > 0 && ms <= 10000 ? ms : 0L;
  }();
  if (pause_ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(pause_ms));
}

// Writes the bytes and makes sure they are on the disk before anything refers to them.
bool WriteSynced(const fs::path& path, const std::string& bytes) {
#ifdef R8_HAVE_FSYNC
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ::close(fd);
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  const bool synced = ::fsync(fd) == 0;
  return ::close(fd) == 0 && synced;
#else
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (out) out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (out) out.flush();
  return static_cast<bool>(out);
#endif
}

// Renames and removals are only lasting once the folder itself is synced.
void SyncFolder(const fs::path& folder) {
#ifdef R8_HAVE_FSYNC
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
#else
  (void)folder;
#endif
}

struct Marker {
  std::vector<std::string> writes;
  std::vector<std::string> removals;
};

// A marker name is a plain file name of the folder; anything else is not acted on.
bool PlainName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." &&
         name.find_first_of("/\\") == std::string::npos && name.find(':') == std::string::npos;
}

std::string MarkerText(const Marker& m) {
  std::string text = std::string(kMarkerHeader) + "\n";
  for (const std::string& n : m.writes) text += "W " + n + "\n";
  for (const std::string& n : m.removals) text += "R " + n + "\n";
  return text;
}

bool ParseMarker(const std::string& text, Marker& m) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kMarkerHeader) return false;
  while (std::getline(in, line)) {
    if (line.size() < 3 || line[1] != ' ' || !PlainName(line.substr(2))) return false;
    if (line[0] == 'W') {
      m.writes.push_back(line.substr(2));
    } else if (line[0] == 'R') {
      m.removals.push_back(line.substr(2));
    } else {
      return false;
    }
  }
  return true;
}

// Rolls a marked commit forward: every new file still waiting takes its name, the removals go.
void Finish(const fs::path& folder, const Marker& m) {
  std::error_code ec;
  for (const std::string& n : m.writes) {
    const fs::path target = folder / n;
    if (Exists(WithSuffix(target, ".new"))) {
      fs::rename(WithSuffix(target, ".new"), target, ec);
      PauseForDrill();
    }
  }
  for (const std::string& n : m.removals) fs::remove(folder / n, ec);
  SyncFolder(folder);
}

}  // namespace

bool ReadWholeFile(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool CommitFiles(const std::vector<FileToWrite>& files, std::string& error,
                 const std::vector<fs::path>& removals) {
  if (files.empty() && removals.empty()) return true;
  const fs::path folder =
      files.empty() ? removals.front().parent_path() : files.front().path.parent_path();
  Marker marker;
  for (const FileToWrite& f : files) marker.writes.push_back(f.path.filename().string());
  for (const fs::path& r : removals) marker.removals.push_back(r.filename().string());
  auto same_folder = [&](const fs::path& p) { return p.parent_path() == folder; };
  for (const FileToWrite& f : files) {
    if (!same_folder(f.path) || !PlainName(f.path.filename().string())) {
      error = "Cannot write \"" + ExpandedPath(f.path) + "\" in the same change as the others.";
      return false;
    }
  }
  for (const fs::path& r : removals) {
    if (!same_folder(r) || !PlainName(r.filename().string())) {
      error = "Cannot remove \"" + ExpandedPath(r) + "\" in the same change as the others.";
      return false;
    }
  }
  const fs::path marker_path = folder / kCommitMarkerName;
  std::error_code ec;
  auto drop_new = [&] {
    for (const FileToWrite& f : files) fs::remove(WithSuffix(f.path, ".new"), ec);
    fs::remove(WithSuffix(marker_path, ".new"), ec);
  };
  if (Exists(marker_path)) {
    error = "Another change to the files in \"" + ExpandedPath(folder) + "\" has not finished (" +
            kCommitMarkerName + " is there).";
    return false;
  }
  for (const FileToWrite& f : files) {
    if (!WriteSynced(WithSuffix(f.path, ".new"), f.bytes)) {
      error = "Cannot write file \"" + ExpandedPath(WithSuffix(f.path, ".new")) + "\".";
      drop_new();
      return false;
    }
    PauseForDrill();
  }
  // From the moment the marker has its name, the change is made: a kill from here on is finished
  // by the next run.
  if (!WriteSynced(WithSuffix(marker_path, ".new"), MarkerText(marker))) {
    error = "Cannot write file \"" + ExpandedPath(WithSuffix(marker_path, ".new")) + "\".";
    drop_new();
    return false;
  }
  SyncFolder(folder);
  fs::rename(WithSuffix(marker_path, ".new"), marker_path, ec);
  if (ec) {
    error = "Cannot write file \"" + ExpandedPath(marker_path) + "\".\r" + ec.message();
    drop_new();
    return false;
  }
  SyncFolder(folder);
  PauseForDrill();
  for (const FileToWrite& f : files) {
    fs::rename(WithSuffix(f.path, ".new"), f.path, ec);
    if (ec) {
      // Nothing placed can be taken back safely now; the marker stays so that the next run
      // finishes the change.
      error = "Cannot replace \"" + ExpandedPath(f.path) + "\".\r" + ec.message() +
              "\rThe change will be finished the next time the files are opened.";
      return false;
    }
    PauseForDrill();
  }
  for (const fs::path& r : removals) fs::remove(r, ec);
  SyncFolder(folder);
  fs::remove(marker_path, ec);
  SyncFolder(folder);
  return true;
}

bool RecoverCommit(const std::vector<fs::path>& paths) {
  if (paths.empty()) return false;
  const fs::path folder = paths.front().parent_path();
  const fs::path marker_path = folder / kCommitMarkerName;
  std::error_code ec;
  bool changed = false;
  if (Exists(marker_path)) {
    std::string text;
    Marker marker;
    if (ReadWholeFile(marker_path, text) && ParseMarker(text, marker)) Finish(folder, marker);
    fs::remove(marker_path, ec);
    SyncFolder(folder);
    changed = true;
  }
  // No marker: whatever new files are there were never part of a made change.
  if (Exists(WithSuffix(marker_path, ".new"))) {
    fs::remove(WithSuffix(marker_path, ".new"), ec);
    changed = true;
  }
  bool unfinished = false;
  bool leftovers = false;
  for (const fs::path& p : paths) {
    unfinished = unfinished || Exists(WithSuffix(p, ".new"));
    leftovers = leftovers || Exists(WithSuffix(p, ".old"));
  }
  for (const fs::path& p : paths) {
    fs::remove(WithSuffix(p, ".new"), ec);
    // The earlier way stepped old files aside as "NAME.old": with new files still waiting the
    // change had not finished and the old ones go back; otherwise they were only left over.
    const fs::path old = WithSuffix(p, ".old");
    if (!Exists(old)) continue;
    if (unfinished) {
      fs::rename(old, p, ec);
    } else {
      fs::remove(old, ec);
    }
  }
  if (unfinished || leftovers) SyncFolder(folder);
  return changed || unfinished || leftovers;
}

}  // namespace r8
