// The memory table with its comment, file name and modified flag, and the ".MEM" file form: a
// ";" comment line, then one memory line per occupied channel, lines ended by CR LF.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "memory/memory_line.h"

namespace r8 {

class MemoryDocument {
 public:
  MemoryDocument();

  // Every slot empty (a single blank) and no comment; name and flag are the caller's business.
  void Clear();
  const std::string& slot(int channel) const;
  bool Occupied(int channel) const;
  // Stores a line (cut to the slot's 89 characters); channels outside 0..999 are ignored.
  void SetSlot(int channel, std::string_view line);
  void ClearSlot(int channel);

  std::string comment;
  std::string file_name;
  int modified = 0;

 private:
  std::array<std::string, kMemorySlots> slots_;
};

struct MemFileReading {
  int lines_stored = 0;
  int problem_count = 0;
  // "line 4: has no frequency" for the first few lines that were left out or changed.
  std::vector<std::string> problems;
};

// Reads a file's bytes into doc (which the caller has cleared). A line the program cannot read
// is left out, so it never reaches the receiver; a later line for a channel replaces an earlier
// one and a line past 89 characters is cut, and both are reported too. Slots beyond the model's
// channel count keep what was read.
MemFileReading ReadMemFile(std::string_view bytes, MemoryDocument& doc);

// The file for the model's channels 0 .. count - 1.
std::string FormatMemFile(const MemoryDocument& doc, int model);

// "NAME.MEM: 3 lines were left out or changed:" and the first problems, one a line.
std::string DescribeProblems(std::string_view file, const MemFileReading& reading);

}  // namespace r8
