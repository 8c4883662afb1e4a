// The log file: read whole, and changed one entry at a time. Every change reads the file again,
// makes the change and replaces the file in one step (a new file written beside it, then renamed
// over it), so a crash or a full disk leaves the old log whole. Lines the program cannot read as
// entries are written back byte for byte.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "log/log_record.h"
#include "radio/radio_state.h"

namespace r8 {

inline constexpr std::string_view kDefaultLogFile = ".\\TARVELIN.LOG";

// The lines of a log file, each with its own line end ("\r\n", "\n" or none for the last).
struct LogLines {
  std::vector<std::string> lines;  // without the line end
  std::vector<std::string> ends;
  int EntryCount() const;
};

// Splits file bytes into lines and joins them again, byte for byte.
LogLines SplitLogBytes(const std::string& bytes);
std::string JoinLogLines(const LogLines& lines);

class LogFile {
 public:
  explicit LogFile(std::filesystem::path path) : path_(std::move(path)) {}
  const std::filesystem::path& path() const { return path_; }
  bool Exists() const;

  // The whole file; false with error set when it cannot be read.
  bool Read(LogLines& out, std::string& error) const;
  // An empty log file when there is none.
  bool CreateIfMissing(std::string& error) const;

  // Each writes the whole file anew; false with error set and the file unchanged on failure.
  // line is 1-based; expected, when given, must be the line's present text, so a file changed
  // by another program since it was shown is not changed at the wrong line.
  bool Append(const LogEntry& entry, std::string& error) const;
  bool Replace(int line, const LogEntry& entry, std::string& error,
               const std::optional<std::string>& expected = std::nullopt) const;
  bool Delete(int line, std::string& error,
              const std::optional<std::string>& expected = std::nullopt) const;

  // Every line that is not blank, entries in the present record form, other lines as they are.
  std::vector<std::string> AllEntryLines(std::string& error) const;

 private:
  bool Write(const LogLines& lines, std::string& error) const;
  bool Check(const LogLines& lines, int line, const std::optional<std::string>& expected,
             std::string& error) const;

  std::filesystem::path path_;
};

// The file the LOGFILE setting names, relative names in the data folder.
std::filesystem::path LogFilePath(const std::filesystem::path& data_folder,
                                  const std::string& setting);

// An Add entry as the dialog first shows it: the date, and the time with its day letter, from
// the UTC clock; the receiver's frequency, unit and mode when it is connected; the station.
struct LogPrefill {
  LogEntry entry;
  int unit_choice = 0;  // kUnitKHz, kUnitMHz, 0 none
};
LogPrefill PrefillAddEntry(const ClockReading& utc, const RadioState* connected_radio, int model,
                           const std::string& station);

// The texts the log display shows for an entry: frequency + " " + unit, time, date, mode,
// rate/shift, SINPO, call, station, the notes joined by blanks; the notes' lines are kept apart
// in the last cell so that Modify gets them back.
inline constexpr int kLogCellNotes = 8;
inline constexpr int kLogCellIndex = 9;
inline constexpr int kLogCellNoteLines = 10;
std::vector<std::string> LogRowCells(const LogEntry& entry, int line);

}  // namespace r8
