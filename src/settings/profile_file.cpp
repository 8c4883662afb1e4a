#include "settings/profile_file.h"

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#endif

#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

#include "common/format.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

bool IsWs(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view TrimWs(std::string_view s) {
  while (!s.empty() && IsWs(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsWs(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
    if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
    if (x != y) return false;
  }
  return true;
}

// "[name]" gives name; a "[" line without "]" is no header.
std::optional<std::string_view> SectionName(std::string_view text) {
  const std::string_view t = TrimWs(text);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::size_t close = t.rfind(']');
  if (close == std::string_view::npos || close == 0) return std::nullopt;
  return TrimWs(t.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view text) {
  const std::string_view t = TrimWs(text);
  if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = TrimWs(t.substr(0, eq));
  if (key.empty()) return std::nullopt;
  return KeyLine{key, TrimWs(t.substr(eq + 1))};
}

std::string_view Unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    return v.substr(1, v.size() - 2);
  }
  return v;
}

std::string OneLine(std::string_view value) {
  std::string out(value);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

}  // namespace

ProfileFile::ProfileFile(fs::path path) : path_(std::move(path)) {}

ProfileFile::Stamp ProfileFile::ReadStamp() const {
  Stamp s;
  std::error_code ec;
  s.exists = fs::is_regular_file(path_, ec);
  if (!s.exists) return s;
  s.size = fs::file_size(path_, ec);
  if (ec) s.size = 0;
  s.mtime = fs::last_write_time(path_, ec);
#if defined(__unix__) || defined(__APPLE__)
  struct stat st {};
  if (::stat(path_.c_str(), &st) == 0) {
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
  }
#endif
  return s;
}

bool ProfileFile::Exists() {
  Refresh();
  return stamp_.exists;
}

void ProfileFile::Refresh() {
  if (dirty_) return;  // pending writes of a batch take precedence over the file
  const Stamp now = ReadStamp();
  if (loaded_ && now == stamp_) return;
  stamp_ = now;
  Load();
}

void ProfileFile::Load() {
  lines_.clear();
  bom_.clear();
  loaded_ = true;
  if (!stamp_.exists) return;
  std::ifstream in(path_, std::ios::binary);
  if (!in) return;
  const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A file saved by an editor as UTF-8 may start with a byte-order mark; it is kept for the
  // write-back but is no part of the first line, or the first section would go unseen.
  static constexpr std::string_view kBom = "\xEF\xBB\xBF";
  std::size_t start = std::string_view(data).starts_with(kBom) ? kBom.size() : 0;
  bom_ = data.substr(0, start);
  // Lines end in CR LF, LF or a lone CR (older editors); each keeps its own ending.
  while (start < data.size()) {
    const std::size_t brk = data.find_first_of("\r\n", start);
    if (brk == std::string::npos) {
      lines_.push_back({data.substr(start), ""});
      break;
    }
    std::size_t next = brk + 1;
    if (data[brk] == '\r' && next < data.size() && data[next] == '\n') ++next;
    lines_.push_back({data.substr(start, brk - start), data.substr(brk, next - brk)});
    start = next;
  }
}

std::optional<std::size_t> ProfileFile::FindSection(std::string_view section) const {
  const std::string_view wanted = TrimWs(section);
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i].text);
    if (name && SameName(*name, wanted)) return i;
  }
  return std::nullopt;
}

std::size_t ProfileFile::SectionEnd(std::size_t header) const {
  std::size_t i = header + 1;
  while (i < lines_.size() && !SectionName(lines_[i].text)) ++i;
  return i;
}

std::optional<std::size_t> ProfileFile::FindKey(std::size_t header, std::string_view key) const {
  const std::string_view wanted = TrimWs(key);
  const std::size_t end = SectionEnd(header);
  for (std::size_t i = header + 1; i < end; ++i) {
    const auto kl = ParseKeyLine(lines_[i].text);
    if (kl && SameName(kl->key, wanted)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key,
                                             std::size_t max_len) {
  Refresh();
  const auto header = FindSection(section);
  if (!header) return std::nullopt;
  const auto line = FindKey(*header, key);
  if (!line) return std::nullopt;
  const std::string_view value = Unquote(ParseKeyLine(lines_[*line].text)->value);
  return std::string(value.substr(0, max_len));
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view def, std::size_t max_len) {
  auto v = Find(section, key, max_len);
  return v ? *v : std::string(def.substr(0, max_len));
}

int ProfileFile::ReadInt(std::string_view section, std::string_view key, int def) {
  const auto v = Find(section, key);
  if (!v) return def;
  const auto n = ParseLeadingInt(*v);
  if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
    return def;
  return static_cast<int>(*n);
}

std::string ProfileFile::NewLineStyle() const {
  for (const Line& l : lines_) {
    if (!l.eol.empty()) return l.eol;
  }
  return "\r\n";
}

bool ProfileFile::WriteString(std::string_view section, std::string_view key,
                              std::string_view value) {
  Refresh();
  const std::string eol = NewLineStyle();
  const std::string clean = OneLine(value);
  const auto header = FindSection(section);
  if (!header) {
    if (!lines_.empty() && lines_.back().eol.empty()) lines_.back().eol = eol;
    if (!lines_.empty() && !TrimWs(lines_.back().text).empty()) lines_.push_back({"", eol});
    lines_.push_back({"[" + std::string(TrimWs(section)) + "]", eol});
    lines_.push_back({std::string(TrimWs(key)) + "=" + clean, eol});
    return Commit();
  }
  if (const auto line = FindKey(*header, key)) {
    const std::string text = std::string(ParseKeyLine(lines_[*line].text)->key) + "=" + clean;
    if (text == lines_[*line].text && stamp_.exists) return true;
    lines_[*line].text = text;
    return Commit();
  }
  // A new key goes after the section's last non-blank line, ahead of the blank lines that
  // separate it from the next section.
  std::size_t pos = SectionEnd(*header);
  while (pos > *header + 1 && TrimWs(lines_[pos - 1].text).empty()) --pos;
  if (pos > 0 && lines_[pos - 1].eol.empty()) lines_[pos - 1].eol = eol;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(pos),
                Line{std::string(TrimWs(key)) + "=" + clean, eol});
  return Commit();
}

bool ProfileFile::DeleteKey(std::string_view section, std::string_view key) {
  Refresh();
  const auto header = FindSection(section);
  if (!header) return true;
  const auto line = FindKey(*header, key);
  if (!line) return true;
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
  return Commit();
}

bool ProfileFile::Commit() {
  dirty_ = true;
  if (batch_depth_ > 0) return true;
  return Flush();
}

bool ProfileFile::Flush() {
  std::error_code ec;
  // Write through a symbolic link to the file it names, so the link survives.
  fs::path target = path_;
  if (fs::is_symlink(path_, ec)) {
    const fs::path resolved = fs::weakly_canonical(path_, ec);
    if (!ec) target = resolved;
  }
  fs::path tmp = target;
  tmp += ".tmp~";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) {
      last_error_ = "Cannot create " + tmp.string();
      return false;
    }
    out.write(bom_.data(), static_cast<std::streamsize>(bom_.size()));
    for (const Line& l : lines_) {
      out.write(l.text.data(), static_cast<std::streamsize>(l.text.size()));
      out.write(l.eol.data(), static_cast<std::streamsize>(l.eol.size()));
    }
    out.flush();
    if (!out) {
      last_error_ = "Cannot write " + tmp.string();
      out.close();
      fs::remove(tmp, ec);
      return false;
    }
  }
  const auto old_status = fs::status(target, ec);
  if (!ec && fs::exists(old_status)) fs::permissions(tmp, old_status.permissions(), ec);
  fs::rename(tmp, target, ec);
  if (ec) {
    last_error_ = "Cannot replace " + target.string() + ": " + ec.message();
    fs::remove(tmp, ec);
    return false;
  }
  dirty_ = false;
  stamp_ = ReadStamp();
  last_error_.clear();
  return true;
}

ProfileFile::Batch::Batch(ProfileFile& file) : file_(file) {
  if (file_.batch_depth_++ == 0) {
    file_.batch_ok_ = true;
    file_.Refresh();
  }
}

ProfileFile::Batch::~Batch() { Finish(); }

bool ProfileFile::Batch::Finish() {
  if (finished_) return file_.batch_ok_;
  finished_ = true;
  if (--file_.batch_depth_ == 0 && file_.dirty_) file_.batch_ok_ = file_.Flush();
  return file_.batch_ok_;
}

}  // namespace r8
