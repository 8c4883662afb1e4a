// The settings file: named sections of KEY=value lines, read and written the way the classic
// private-profile calls do it, so that files users already have keep working line for line.
//
// Section and key names match without regard to ASCII case; values are trimmed and lose one pair of
// surrounding quotes. A write changes the one line it concerns (or adds it) and leaves every other
// byte of the file as it was. The file on disk is replaced through a temporary file, never
// truncated in place. Changes made to the file by another program are picked up on the next call.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

class ProfileFile {
 public:
  explicit ProfileFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }
  bool Exists();

  // nullopt when the section or key is absent. At most max_len bytes are returned, like a
  // fixed-size buffer of max_len + 1.
  std::optional<std::string> Find(std::string_view section, std::string_view key,
                                  std::size_t max_len = 254);
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def,
                         std::size_t max_len = 254);
  // A value without leading digits, or too large for an int, gives def.
  int ReadInt(std::string_view section, std::string_view key, int def);

  // Creates the file and the section when needed. Line breaks in the value become spaces.
  // Returns false when the file could not be written; last_error() then says why.
  bool WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Removes a key; absent keys are not an error.
  bool DeleteKey(std::string_view section, std::string_view key);

  const std::string& last_error() const { return last_error_; }

  // Groups writes so the file is replaced once, when the outermost batch ends.
  class Batch {
   public:
    explicit Batch(ProfileFile& file);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;
    // Ends the batch now; true when every write of it reached the file.
    bool Finish();

   private:
    ProfileFile& file_;
    bool finished_ = false;
  };

 private:
  struct Line {
    std::string text;  // without its line break
    std::string eol;   // "\r\n", "\n", "\r" or "" for a last line without one
  };
  struct Stamp {
    bool exists = false;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type mtime{};
    // Which file it is: every writer here replaces the file, so a change made within one tick of
    // the clock and of the same size still shows as another file.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const Stamp&) const = default;
  };

  void Refresh();
  void Load();
  Stamp ReadStamp() const;
  bool Commit();
  bool Flush();
  // Index of the header line of a section, or nullopt.
  std::optional<std::size_t> FindSection(std::string_view section) const;
  // Index of a key line within the section whose header is at header, or nullopt.
  std::optional<std::size_t> FindKey(std::size_t header, std::string_view key) const;
  std::size_t SectionEnd(std::size_t header) const;
  std::string NewLineStyle() const;

  std::filesystem::path path_;
  std::string bom_;  // a UTF-8 byte-order mark the file started with, written back as found
  std::vector<Line> lines_;
  Stamp stamp_;
  bool loaded_ = false;
  bool dirty_ = false;
  int batch_depth_ = 0;
  bool batch_ok_ = true;
  std::string last_error_;
};

}  // namespace r8
