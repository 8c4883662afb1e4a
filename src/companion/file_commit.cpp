#include "companion/file_commit.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/program_launcher.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

fs::path WithSuffix(const fs::path& p, const char* suffix) {
  fs::path out = p;
  out += suffix;
  return out;
}

bool Exists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(p, ec));
}

bool WriteNew(const FileToWrite& f, std::string& error) {
  const fs::path temp = WithSuffix(f.path, ".new");
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  if (out) out.write(f.bytes.data(), static_cast<std::streamsize>(f.bytes.size()));
  if (out) out.close();
  if (!out) {
    error = "Cannot write file \"" + ExpandedPath(temp) + "\".";
    return false;
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const fs::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool CommitFiles(const std::vector<FileToWrite>& files, std::string& error) {
  std::error_code ec;
  bool ok = true;
  for (const FileToWrite& f : files) {
    if (ok) ok = WriteNew(f, error);
  }
  // Old files step aside one by one; moved remembers which did, so an error can undo exactly.
  std::vector<bool> moved(files.size(), false);
  std::vector<bool> placed(files.size(), false);
  for (std::size_t i = 0; ok && i < files.size(); ++i) {
    if (!Exists(files[i].path)) continue;
    fs::rename(files[i].path, WithSuffix(files[i].path, ".old"), ec);
    if (ec) {
      ok = false;
      error = "Cannot replace \"" + ExpandedPath(files[i].path) + "\".\r" + ec.message();
    } else {
      moved[i] = true;
    }
  }
  for (std::size_t i = 0; ok && i < files.size(); ++i) {
    fs::rename(WithSuffix(files[i].path, ".new"), files[i].path, ec);
    if (ec) {
      ok = false;
      error = "Cannot replace \"" + ExpandedPath(files[i].path) + "\".\r" + ec.message();
    } else {
      placed[i] = true;
    }
  }
  for (std::size_t i = 0; i < files.size(); ++i) {
    const fs::path old = WithSuffix(files[i].path, ".old");
    if (ok) {
      fs::remove(old, ec);
      continue;
    }
    fs::remove(WithSuffix(files[i].path, ".new"), ec);
    if (placed[i]) fs::remove(files[i].path, ec);
    if (moved[i]) fs::rename(old, files[i].path, ec);
  }
  return ok;
}

bool RecoverCommit(const std::vector<fs::path>& paths) {
  bool unfinished = false;
  bool leftovers = false;
  for (const fs::path& p : paths) {
    unfinished = unfinished || Exists(WithSuffix(p, ".new"));
    leftovers = leftovers || Exists(WithSuffix(p, ".old"));
  }
  if (!unfinished && !leftovers) return false;
  std::error_code ec;
  for (const fs::path& p : paths) {
    const fs::path old = WithSuffix(p, ".old");
    if (unfinished) {
      fs::remove(WithSuffix(p, ".new"), ec);
      if (Exists(old)) fs::rename(old, p, ec);
    } else {
      fs::remove(old, ec);
    }
  }
  return true;
}

}  // namespace r8
