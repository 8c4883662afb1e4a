#include "log/log_format_tags.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "common/format.h"

namespace r8 {
namespace {

constexpr char kNotesMark = '\xFF';
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kFormatLinesUsed = 10;
// Notes whose tag stands far right still get pieces of this many characters.
constexpr int kMinNoteWidth = 10;
constexpr int kNoteLineEnd = 80;
// A numeric tag asks for a field; beyond these it is not a numeric tag but text.
constexpr int kMaxNumericWidth = 255;
constexpr int kMaxNumericDecimals = 10;

// In the order the tags are replaced. The first four are used as stored (an empty one is a
// blank, so it never removes its piece); the others are trimmed.
constexpr std::array<std::string_view, 9> kKeywords = {"date", "time", "freq", "mult", "call",
                                                       "stat", "mode", "rate", "SINP"};
constexpr int kFirstTrimmed = 4;

std::string Cut(std::string_view s, std::size_t width) {
  return std::string(s.substr(0, std::min(s.size(), width)));
}

std::string BlankWhenEmpty(std::string s) { return s.empty() ? std::string(" ") : s; }

// The entry's field of each keyword, in the order of kKeywords.
constexpr std::array<std::string LogEntryFields::*, 9> kFields = {
    &LogEntryFields::date, &LogEntryFields::time, &LogEntryFields::freq,
    &LogEntryFields::unit, &LogEntryFields::call, &LogEntryFields::station,
    &LogEntryFields::mode, &LogEntryFields::rate, &LogEntryFields::sinpo};

std::string ValueOf(const LogEntryFields& e, int field) {
  const std::string& v = e.*kFields[static_cast<std::size_t>(field)];
  return field < kFirstTrimmed ? v : TrimStr(v);
}

// 1 to 3 digits, the whole text.
std::optional<int> SmallNumber(std::string_view s) {
  if (s.empty() || s.size() > 3) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

struct Token {
  bool piece = false;
  std::string text;  // a piece's text between its brackets, or plain text
};

// Pieces are "[" ... "]" within one line and without brackets inside; a bracket that closes
// nothing is plain text.
std::vector<Token> Tokenize(std::string_view t) {
  std::vector<Token> out;
  std::string plain;
  std::size_t i = 0;
  while (i < t.size()) {
    if (t[i] == '[') {
      const std::size_t close = t.find_first_of("[]\r\n", i + 1);
      if (close != std::string_view::npos && t[close] == ']') {
        if (!plain.empty()) out.push_back({false, std::exchange(plain, {})});
        out.push_back({true, std::string(t.substr(i + 1, close - i - 1))});
        i = close + 1;
        continue;
      }
    }
    plain += t[i++];
  }
  if (!plain.empty()) out.push_back({false, std::move(plain)});
  return out;
}

void AppendLine(std::string& out, std::string_view text) {
  out += text;
  out += kLineEnd;
}

}  // namespace

bool IsEntryLine(std::string_view line) {
  const std::size_t tab = line.find('\t');
  return tab != std::string_view::npos && tab >= 1 && tab <= 9 && tab < line.find(kNotesMark);
}

LogEntryFields ParseLogEntry(std::string_view line) {
  const std::size_t mark = line.find(kNotesMark);
  const std::string_view head = line.substr(0, mark);
  std::vector<std::string_view> f;
  std::size_t start = 0;
  for (std::size_t tab = head.find('\t'); tab != std::string_view::npos && f.size() < 8;
       tab = head.find('\t', start)) {
    f.push_back(head.substr(start, tab - start));
    start = tab + 1;
  }
  f.push_back(head.substr(start));  // the station: the rest, TABs and all
  const std::size_t tabs = f.size() - 1;

  std::string notes;
  if (mark != std::string_view::npos) {
    // Each note line is 0xFF, two TABs and the line; between lines the mark becomes a blank.
    bool first = true;
    for (std::size_t i = mark; i < line.size(); ++i) {
      if (line[i] != kNotesMark) {
        notes += line[i];
        continue;
      }
      if (!first) notes += ' ';
      first = false;
      for (int skip = 0; skip < 2 && i + 1 < line.size() && line[i + 1] == '\t'; ++skip) ++i;
    }
  }

  auto at = [&f](std::size_t k) { return k < f.size() ? f[k] : std::string_view(); };
  LogEntryFields e;
  std::string_view rate, call, station = at(8);
  std::string_view sinpo = at(6);
  if (tabs == 6 || tabs == 7) {
    // The older layouts: SINPO and station follow the mode, the eighth field was the notes.
    sinpo = at(5);
    station = at(6);
    if (tabs == 7) notes = notes.empty() ? std::string(at(7)) : std::string(at(7)) + " " + notes;
  } else {
    rate = at(5);
    call = at(7);
  }
  e.freq = BlankWhenEmpty(Cut(at(0), 9));
  e.unit = BlankWhenEmpty(Cut(at(1), 3));
  e.time = BlankWhenEmpty(Cut(at(2), 5));
  e.date = BlankWhenEmpty(Cut(at(3), 9));
  e.mode = BlankWhenEmpty(Cut(at(4), 4));
  e.rate = BlankWhenEmpty(Cut(rate, 11));
  e.sinpo = BlankWhenEmpty(Cut(sinpo, 5));
  e.call = BlankWhenEmpty(Cut(call, 11));
  e.station = Cut(station, 25);
  e.notes = TrimStr(notes);
  return e;
}

std::vector<std::string> WrapNotes(std::string_view notes, int width) {
  std::vector<std::string> pieces;
  const std::size_t w = static_cast<std::size_t>(std::max(width, 1));
  std::string rest = TrimStr(notes);
  std::string_view r = rest;
  // Every round takes at least one character, so this ends.
  while (!r.empty()) {
    if (r.size() <= w) {
      pieces.emplace_back(r);
      break;
    }
    const std::size_t blank = r.rfind(' ', w);
    const std::size_t cut = blank != std::string_view::npos && blank > 0 ? blank : w;
    std::string piece(r.substr(0, cut));
    TrimRightStr(piece);
    pieces.push_back(std::move(piece));
    r.remove_prefix(cut);
    while (!r.empty() && r.front() == ' ') r.remove_prefix(1);
  }
  return pieces;
}

ExportTemplate::ExportTemplate(const std::vector<std::string>& lines) {
  std::string joined;
  const std::size_t used = std::min(lines.size(), kFormatLinesUsed);
  for (std::size_t n = 0; n < used; ++n) {
    if (n > 0) joined += kLineEnd;
    joined += lines[n];
  }
  std::vector<Token> tokens = Tokenize(joined);

  // Each keyword takes the first piece, left to right, that holds it and is not taken yet.
  std::vector<int> claimed(tokens.size(), -1);
  for (int k = 0; k < static_cast<int>(kKeywords.size()); ++k) {
    for (std::size_t t = 0; t < tokens.size(); ++t) {
      if (tokens[t].piece && claimed[t] < 0 &&
          tokens[t].text.find(kKeywords[static_cast<std::size_t>(k)]) != std::string::npos) {
        claimed[t] = k;
        break;
      }
    }
  }

  std::vector<Part>* target = &before_note_;
  for (std::size_t t = 0; t < tokens.size(); ++t) {
    const Token& tok = tokens[t];
    Part p;
    if (!tok.piece) {
      p.text = tok.text;
    } else if (claimed[t] >= 0) {
      const std::string_view kw = kKeywords[static_cast<std::size_t>(claimed[t])];
      p.field = claimed[t];
      p.form = Form::kLabel;
      if (tok.text == kw) {
        p.form = Form::kPlain;
      } else if (tok.text.size() > kw.size() + 1 && tok.text.compare(0, kw.size(), kw) == 0 &&
                 tok.text[kw.size()] == ':') {
        const std::string_view width_text = std::string_view(tok.text).substr(kw.size() + 1);
        const std::size_t colon = width_text.find(':');
        const auto width = SmallNumber(width_text.substr(0, colon));
        const auto decimals =
            colon == std::string_view::npos ? std::nullopt : SmallNumber(width_text.substr(colon + 1));
        if (width && decimals && *width <= kMaxNumericWidth && *decimals <= kMaxNumericDecimals) {
          p.form = Form::kNumeric;
          p.width = *width;
          p.decimals = *decimals;
        }
      }
      if (p.form == Form::kLabel) {
        const std::size_t at = tok.text.find(kw);
        p.text = tok.text.substr(0, at);
        p.after = tok.text.substr(at + kw.size());
      }
    } else if (tok.text == "note" && !has_note_) {
      has_note_ = true;
      target = &after_note_;
      continue;
    } else {
      p.text = "[" + tok.text + "]";
    }
    target->push_back(std::move(p));
  }

  if (has_note_) {
    // Continuations use the note's line as written, its other pieces left as they are.
    const std::size_t at = joined.find("[note]");
    const std::size_t line_start = joined.rfind('\n', at);
    note_line_head_ = joined.substr(line_start == std::string::npos ? 0 : line_start + 1,
                                    at - (line_start == std::string::npos ? 0 : line_start + 1));
    const std::size_t line_end = joined.find('\r', at);
    note_line_tail_ = joined.substr(
        at + 6, line_end == std::string::npos ? std::string::npos : line_end - at - 6);
  }
}

void ExportTemplate::Render(const std::vector<Part>& parts, const LogEntryFields& e,
                            std::string& out) const {
  for (const Part& p : parts) {
    if (p.form == Form::kText) {
      out += p.text;
      continue;
    }
    const std::string v = ValueOf(e, p.field);
    if (v.empty()) continue;
    switch (p.form) {
      case Form::kPlain:
        out += v;
        break;
      case Form::kNumeric: {
        // A field that is no number keeps its text, right-aligned in the width all the same.
        const std::string trimmed = TrimStr(v);
        const std::optional<double> number = ParseDecimal(trimmed);
        out += PadLeft(number ? FormatFixed(*number, p.decimals) : trimmed,
                       static_cast<std::size_t>(p.width));
        break;
      }
      default:
        out += p.text + v + p.after;
        break;
    }
    out += ' ';
  }
}

void ExportTemplate::WriteNotes(const std::string& head, const std::string& notes,
                                const std::string& tail, std::string& out) const {
  const std::size_t line_start = head.rfind('\n');
  const std::size_t column =
      head.size() - (line_start == std::string::npos ? 0 : line_start + 1) + 1;
  const int width =
      std::max(kNoteLineEnd - static_cast<int>(std::min<std::size_t>(column, 1000)), kMinNoteWidth);
  // Continued pieces start under the tag, but never so far right that they pass column 80.
  const std::size_t indent = std::min<std::size_t>(column - 1, kNoteLineEnd - kMinNoteWidth);
  const std::vector<std::string> pieces = WrapNotes(notes, width);
  out += head;
  if (pieces.empty()) {
    AppendLine(out, tail);
    return;
  }
  for (std::size_t n = 0; n < pieces.size(); ++n) {
    if (n > 0) out.append(indent, ' ');
    out += pieces[n];
    if (n + 1 == pieces.size()) out += tail;
    out += kLineEnd;
  }
}

void ExportTemplate::WriteLogPage(std::string_view line, std::string& out) const {
  if (!line.empty() && line.front() == '\t') {
    const std::string text = TrimStr(line.substr(std::min<std::size_t>(2, line.size())));
    if (has_note_) {
      WriteNotes(note_line_head_, text, note_line_tail_, out);
    } else {
      AppendLine(out, text);
    }
    return;
  }
  if (line == " ") return;
  if (!IsEntryLine(line)) {
    AppendLine(out, line);
    return;
  }
  const LogEntryFields e = ParseLogEntry(line);
  std::string head;
  Render(before_note_, e, head);
  if (!has_note_) {
    AppendLine(out, head);
    return;
  }
  // What follows the tag (the rest of its line and the lines after it) comes after the notes.
  std::string tail;
  Render(after_note_, e, tail);
  WriteNotes(head, e.notes, tail, out);
}

std::string ExportText(const ExportTemplate& t, const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) t.WriteLogPage(l, out);
  return out;
}

std::string ReplaceReportTags(std::string_view line, const LogDetails& d) {
  const std::array<std::pair<std::string_view, const std::string*>, 6> tags = {{
      {"[dxer]", &d.dxer},
      {"[add1]", &d.addr1},
      {"[add2]", &d.addr2},
      {"[rcvr]", &d.rcvr},
      {"[ant]", &d.antenna},
      {"[cndx]", &d.condx},
  }};
  // Found in the line as written, so a detail that holds a tag's text is not replaced again.
  std::vector<std::pair<std::size_t, std::size_t>> found;  // position, index into tags
  for (std::size_t k = 0; k < tags.size(); ++k) {
    const std::size_t at = line.find(tags[k].first);
    if (at != std::string_view::npos) found.emplace_back(at, k);
  }
  std::sort(found.begin(), found.end());
  std::string out;
  std::size_t from = 0;
  for (const auto& [at, k] : found) {
    out += line.substr(from, at - from);
    out += TrimStr(*tags[k].second);
    from = at + tags[k].first.size();
  }
  out += line.substr(from);
  return out;
}

std::vector<std::string> AssembleReport(const std::vector<std::string>& format_lines,
                                        const LogDetails& d,
                                        const std::vector<std::string>& exported_lines) {
  std::vector<std::string> out;
  for (const std::string& l : format_lines) {
    if (l.find("[logE]") != std::string::npos) {
      out.insert(out.end(), exported_lines.begin(), exported_lines.end());
    } else {
      out.push_back(ReplaceReportTags(l, d));
    }
  }
  return out;
}

}  // namespace r8
