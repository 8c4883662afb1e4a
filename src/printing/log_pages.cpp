#include "printing/log_pages.h"

#include <algorithm>
#include <array>

#include "printing/page_sheet.h"

namespace r8 {

namespace {

constexpr char kNoteMark = '\xFF';

// Where each field of an entry goes: its position, alignment and the column it stays in.
struct Column {
  double at;
  TextAlign align;
  double left, right;
};
constexpr std::array<Column, 9> kEntryColumns{{
    {0.90, TextAlign::kRight, 0.25, 0.90},    // frequency
    {0.94, TextAlign::kLeft, 0.94, 1.24},     // unit
    {1.49, TextAlign::kCentre, 1.24, 1.74},   // time
    {2.15, TextAlign::kCentre, 1.74, 2.52},   // date
    {2.76, TextAlign::kCentre, 2.52, 2.97},   // mode
    {3.345, TextAlign::kCentre, 2.97, 3.72},  // rate/shift
    {3.98, TextAlign::kCentre, 3.72, 4.24},   // SINPO
    {4.71, TextAlign::kCentre, 4.24, 5.18},   // call
    {5.25, TextAlign::kLeft, 5.25, 7.75},     // station
}};
constexpr std::array<double, 7> kSeparators{1.24, 1.74, 2.52, 2.97, 3.72, 4.24, 5.18};
constexpr std::array<const char*, 8> kHeadings{"Frequency",  "Time",  "Date", "Mode",
                                               "Rate/Shift", "SINPO", "Call", "Station Name"};
constexpr double kNoteAt = 1.24;

// The nine fields of an entry line, the station taking the rest; fewer than nine: none.
std::vector<std::string_view> EntryFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (fields.size() < 8) {
    const std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) return {};
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

std::vector<std::string> WrapNotes(std::string_view notes, std::size_t width) {
  std::vector<std::string> pieces;
  width = std::max<std::size_t>(1, width);
  while (!notes.empty()) {
    std::string_view piece;
    if (notes.size() <= width) {
      piece = notes;
      notes = {};
    } else {
      const std::size_t blank = notes.rfind(' ', width);
      // No blank to break at (or only a leading one): the word is cut. Every turn takes at least
      // one character, so the loop ends.
      const std::size_t cut = blank == std::string_view::npos || blank == 0 ? width : blank;
      piece = notes.substr(0, cut);
      notes.remove_prefix(cut == blank ? cut + 1 : cut);
    }
    const std::size_t first = piece.find_first_not_of(' ');
    if (first != std::string_view::npos) {
      piece = piece.substr(first, piece.find_last_not_of(' ') - first + 1);
      pieces.emplace_back(piece);
    }
  }
  return pieces;
}

std::vector<std::string> LogPrintLines(const std::vector<std::string>& records) {
  std::vector<std::string> lines;
  lines.reserve(records.size());
  for (const std::string& record : records) {
    std::string_view rest = record;
    const std::size_t mark = rest.find(kNoteMark);
    lines.emplace_back(rest.substr(0, mark));
    if (mark == std::string_view::npos) continue;
    rest.remove_prefix(mark + 1);
    while (true) {
      const std::size_t next = rest.find(kNoteMark);
      // The TAB TAB after the mark, like any TAB in the note, becomes blanks the wrap trims.
      std::string note(rest.substr(0, next));
      std::replace(note.begin(), note.end(), '\t', ' ');
      for (std::string& piece : WrapNotes(note)) lines.push_back("\t\t" + piece);
      if (next == std::string_view::npos) break;
      rest.remove_prefix(next + 1);
    }
  }
  return lines;
}

int LogPageCount(std::size_t lines) {
  const std::size_t per = kLogLinesPerPage;
  return std::max<int>(1, static_cast<int>((lines + per - 1) / per));
}

LogPages::LogPages(const std::vector<std::string>& lines, std::string date, std::string log_file,
                   std::string title)
    : lines_(lines),
      date_(std::move(date)),
      log_file_(std::move(log_file)),
      title_(std::move(title)) {}

int LogPages::Layout(PageCanvas& canvas, std::string& error) {
  if (canvas.PageHeight() < 60 || canvas.PageWidth() < 8) {
    error = "The printer's page is too small for the log.";
    return 0;
  }
  return LogPageCount(lines_.size());
}

void LogPages::DrawPage(PageCanvas& canvas, int page) {
  PageSheet sheet(canvas);
  const int L = sheet.L();
  int y = L;
  sheet.Pen(kThinPen);
  sheet.Font(true);
  sheet.Text(4.0, y, title_, TextAlign::kCentre);
  sheet.Text(kFrameRight, y, "Page " + std::to_string(page), TextAlign::kRight, 6.0);

  y += 2 * L;
  const int heading_rule = y;
  sheet.Pen(kThickPen);
  sheet.Rule(y);
  y += L / 4;
  sheet.Text(0.76, y, kHeadings[0], TextAlign::kCentre);
  for (std::size_t k = 1; k < kHeadings.size(); ++k) {
    const Column& c = kEntryColumns[k + 1];
    sheet.Text(c.at, y, kHeadings[k], c.align, c.left, c.right);
  }
  y += L;

  sheet.Font(false);
  sheet.Pen(kThinPen);
  // The table's top, so the headings stand apart from the first row.
  sheet.Rule(y);
  const std::size_t first = static_cast<std::size_t>(page - 1) * kLogLinesPerPage;
  for (std::size_t slot = 0; slot < kLogLinesPerPage; ++slot) {
    const std::size_t i = first + slot;
    const std::string_view line = i < lines_.size() ? std::string_view(lines_[i]) : " ";
    const std::vector<std::string_view> fields = EntryFields(line);
    if (!fields.empty()) {
      for (std::size_t k = 0; k < fields.size(); ++k) {
        const Column& c = kEntryColumns[k];
        sheet.Text(c.at, y, fields[k], c.align, c.left, c.right);
      }
      for (double at : kSeparators) sheet.Upright(at, y, y + L);
    } else if (line.size() >= 2 && line[0] == '\t' && line[1] == '\t') {
      sheet.Text(kNoteAt, y, line.substr(2), TextAlign::kLeft, kNoteAt);
    } else {
      sheet.Text(kFrameLeft, y, line, TextAlign::kLeft);
      sheet.Rule(y);
    }
    y += L;
  }
  sheet.Pen(kThickPen);
  sheet.Rule(y);
  sheet.FrameSides(heading_rule, y);
  sheet.Footer(y, date_, "Log File: " + log_file_);
}

}  // namespace r8
