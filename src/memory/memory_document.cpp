#include "memory/memory_document.h"

#include "radio/radio_model.h"

namespace r8 {
namespace {

constexpr std::size_t kMaxListedProblems = 5;
// Lines are read as the file's strings of up to 255 characters.
constexpr std::size_t kMaxLineLength = 255;

void Note(MemFileReading& r, int line_number, const std::string& what) {
  ++r.problem_count;
  if (r.problems.size() < kMaxListedProblems) {
    r.problems.push_back("line " + std::to_string(line_number) + ": " + what);
  }
}

}  // namespace

MemoryDocument::MemoryDocument() : file_name("<Untitled>") { Clear(); }

void MemoryDocument::Clear() {
  slots_.fill(" ");
  comment.clear();
}

const std::string& MemoryDocument::slot(int channel) const {
  static const std::string kEmpty = " ";
  if (channel < 0 || channel >= kMemorySlots) return kEmpty;
  return slots_[static_cast<std::size_t>(channel)];
}

bool MemoryDocument::Occupied(int channel) const { return SlotOccupied(slot(channel)); }

void MemoryDocument::SetSlot(int channel, std::string_view line) {
  if (channel < 0 || channel >= kMemorySlots) return;
  slots_[static_cast<std::size_t>(channel)] = std::string(line.substr(0, kSlotLength));
}

void MemoryDocument::ClearSlot(int channel) { SetSlot(channel, " "); }

MemFileReading ReadMemFile(std::string_view bytes, MemoryDocument& doc) {
  MemFileReading r;
  std::vector<bool> seen(kMemorySlots, false);
  int number = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    pos = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(' ') == std::string_view::npos) continue;
    if (line[0] == ';') {
      doc.comment = std::string(line.substr(1, kCommentLength));
      continue;
    }
    if (line.size() > kMaxLineLength) {
      Note(r, number, "is longer than 255 characters");
      continue;
    }
    const LineReading reading = ReadMemoryLine(line);
    if (!reading.line) {
      Note(r, number, reading.problem);
      continue;
    }
    const int channel = reading.line->channel;
    if (seen[static_cast<std::size_t>(channel)]) {
      Note(r, number, "repeats channel " + std::to_string(channel) + ", which it replaces");
    } else {
      ++r.lines_stored;
    }
    seen[static_cast<std::size_t>(channel)] = true;
    if (line.size() > kSlotLength) Note(r, number, "was cut to 89 characters");
    doc.SetSlot(channel, line);
  }
  return r;
}

std::string FormatMemFile(const MemoryDocument& doc, int model) {
  std::string out = ";" + doc.comment + "\r\n";
  const int count = ChannelCount(model);
  for (int c = 0; c < count; ++c) {
    if (doc.Occupied(c)) out += doc.slot(c) + "\r\n";
  }
  return out;
}

std::string DescribeProblems(std::string_view file, const MemFileReading& reading) {
  std::string text = std::string(file) + ": " + std::to_string(reading.problem_count) +
                     (reading.problem_count == 1 ? " line was" : " lines were") +
                     " left out or changed:";
  for (const std::string& p : reading.problems) text += "\r" + p;
  if (reading.problem_count > static_cast<int>(reading.problems.size())) text += "\r...";
  return text;
}

}  // namespace r8
