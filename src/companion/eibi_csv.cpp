#include "companion/eibi_csv.h"

#include <array>
#include <optional>

#include "common/format.h"
#include "companion/single_byte_text.h"

namespace r8 {
namespace {

enum Column { kKhz, kTime, kDays, kStation, kLanguage, kTarget, kPersistence, kStart, kStop };
constexpr std::size_t kColumns = 9;
// Columns a line cannot do without; the others may be missing from the header.
constexpr std::size_t kRequired = 6;
constexpr std::array<std::string_view, kColumns> kNames = {
    "KHZ", "TIME(UTC)", "DAYS", "STATION", "LNG", "TARGET", "P", "START", "STOP"};

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t semi = line.find(';', start);
    if (semi == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, semi - start));
    start = semi + 1;
  }
}

}  // namespace

std::vector<std::string_view> SplitEibiLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

EibiTable ReadEibiTable(std::string_view text) {
  EibiTable table;
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    table.problem = "the file is empty";
    return table;
  }
  if (const std::string why = SingleByteTextProblem(text); !why.empty()) {
    table.problem = "the file cannot be read: " + why;
    return table;
  }
  const std::vector<std::string_view> lines = SplitEibiLines(text);
  const std::string_view header = lines.front();
  if (header.find(';') == std::string_view::npos) {
    table.problem = header.find(',') != std::string_view::npos
                        ? "the file is separated by commas; an EiBi schedule is separated by "
                          "semicolons (the file sked-XNN.csv as published)"
                        : "the first line is not the header of an EiBi schedule "
                          "(kHz:75;Time(UTC):93;Days:59;...)";
    return table;
  }
  std::vector<std::string_view> names = Split(header);
  // The header ends with a semicolon, the lines do not.
  while (!names.empty() && TrimStr(names.back()).empty()) names.pop_back();
  std::array<std::optional<std::size_t>, kColumns> at;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string name = UpperStr(TrimStr(names[i].substr(0, names[i].find(':'))));
    for (std::size_t c = 0; c < kColumns; ++c) {
      if (name == kNames[c] && !at[c]) at[c] = i;
    }
  }
  for (std::size_t c = 0; c < kRequired; ++c) {
    if (!at[c]) {
      table.problem = "the header has no column \"" + std::string(kNames[c]) +
                      "\", so the file is not an EiBi schedule";
      return table;
    }
  }
  const std::size_t width = names.size();
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string_view line = lines[k];
    if (TrimStr(line).empty()) continue;
    std::vector<std::string_view> fields = Split(line);
    if (fields.size() == width + 1 && fields.back().empty()) fields.pop_back();
    const int number = static_cast<int>(k + 1);
    if (fields.size() < width) {
      table.problem = "line " + std::to_string(number) + " is cut short: it has " +
                      std::to_string(fields.size()) + " of the " + std::to_string(width) +
                      " fields the header names. The file looks damaged or incomplete";
      table.rows.clear();
      return table;
    }
    EibiRow row;
    row.line = number;
    row.raw = line;
    row.malformed = fields.size() > width;
    const auto field = [&](Column c) { return at[c] ? fields[*at[c]] : std::string_view(); };
    row.khz = field(kKhz);
    row.time = field(kTime);
    row.days = field(kDays);
    row.station = field(kStation);
    row.language = field(kLanguage);
    row.target = field(kTarget);
    row.persistence = field(kPersistence);
    row.start = field(kStart);
    row.stop = field(kStop);
    table.rows.push_back(row);
  }
  return table;
}

}  // namespace r8
