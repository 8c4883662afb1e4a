#include "programmes/dx_list.h"

#include <algorithm>
#include <array>

#include "app/app_context.h"
#include "common/file_commit.h"
#include "common/file_names.h"
#include "common/format.h"
#include "common/program_launcher.h"
#include "database/station_query.h"

namespace r8 {

namespace {

constexpr std::array<const char*, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

std::string Heading(int day) {
  return std::string("[") + kDayNames[static_cast<std::size_t>(day)] + "]" + std::string(75, '=');
}

bool Contains(const std::string& text, const std::string& part) {
  return UpperStr(TrimStr(text)).find(UpperStr(part)) != std::string::npos;
}

}  // namespace

std::optional<std::string> DxFilterStartTime(std::string_view text) {
  std::string t = TrimStr(text);
  if (t.empty()) t = "0000";
  if (t.size() == 1) t = "0" + t;
  if (t.size() == 2) t += "00";
  // Three digits are read as a time missing its leading zero.
  if (t.size() == 3) t = "0" + t;
  if (!ParseDxTime(t)) return std::nullopt;
  return t;
}

DxListView FillDxList(const std::vector<DxFileLine>& lines, const DxFilter& filter,
                      const ClockReading& now, const std::vector<std::string>& on_air) {
  DxListView v;
  int start_day = 0;
  std::string start_time;
  if (filter.preview) {
    start_time = DxFilterStartTime(filter.time).value_or("0000");
    start_day = filter.day >= 1 && filter.day <= 7 ? filter.day - 1 : 0;
    v.caption = "SWBC Programs Preview";
  } else {
    start_time = now.time4;
    start_day = std::clamp(now.day_of_week, 1, 7) - 1;
    v.caption = "Today's SWBC Programs - [as of " + now.time4 +
                kDayLetters[static_cast<std::size_t>(start_day)] + "]";
  }
  v.start_day = start_day;
  const int start_t = ParseDxTime(start_time).value_or(0);
  const int start_hour = start_t / 100;

  std::vector<DxParsedLine> parsed;
  parsed.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    parsed.push_back(ParseDxLine(lines[i].text));
    const DxLineProblem problem = parsed.back().problem;
    if (problem != DxLineProblem::kNone && problem != DxLineProblem::kBlank) {
      v.notices.push_back({static_cast<int>(i) + 1, problem});
    }
  }

  // A programme is before the start when it lies earlier in the start day, or on an earlier day of
  // the week: those come last, as next week's (second pass). Each pass takes only its own lines,
  // so a line out of order in the file is still listed once.
  auto before_start = [&](const DxProgramme& p) {
    return p.day < start_day || (p.day == start_day && p.time / 100 < start_hour);
  };
  const bool filtering = filter.active();
  for (int pass = 1; pass <= 2; ++pass) {
    // Every programme stands under the heading of its own day (not the day after the last
    // heading, which put a Wednesday under "[Tue]" when a day had no programmes). The second
    // pass starts with a heading of its own: its first day may be the day the first pass ended.
    int current_day = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (static_cast<int>(v.rows.size()) >= kDxRowCapacity) break;
      const std::optional<DxProgramme>& p = parsed[i].programme;
      if (!p || before_start(*p) != (pass == 2)) continue;
      if (p->day != current_day) {
        current_day = p->day;
        v.rows.push_back({Heading(p->day), true, true, false, 0, ""});
        if (static_cast<int>(v.rows.size()) >= kDxRowCapacity) break;
      }
      if (filtering && !(Contains(p->program, filter.program) &&
                         Contains(p->station, filter.station))) {
        continue;
      }
      DxRow row;
      row.text = p->time4 + "\t" + p->program + "\t" + p->station;
      if (lines[i].text.size() > static_cast<std::size_t>(kDxNotesStart)) row.text += "\t" + p->notes;
      row.heard = p->heard;
      const std::string name = TrimStr(p->station);
      row.on_air = std::find(on_air.begin(), on_air.end(), name) != on_air.end();
      row.line = static_cast<int>(i) + 1;
      row.file_line = lines[i].text;
      // The row to show: the first programme from the start moment on; programmes of the start
      // hour that began before the start minute are listed but not chosen.
      const bool passed = pass == 1 && p->day == start_day && p->time < start_t;
      if (v.selected < 0 && !passed) v.selected = static_cast<int>(v.rows.size());
      v.rows.push_back(std::move(row));
    }
  }
  // Everything listed began before the start minute: show the first programme.
  if (v.selected < 0) {
    for (std::size_t i = 0; i < v.rows.size(); ++i) {
      if (!v.rows[i].heading) {
        v.selected = static_cast<int>(i);
        break;
      }
    }
  }
  return v;
}

std::string DxNoticeText(const std::vector<DxNotice>& notices) {
  if (notices.empty()) return "";
  int skipped = 0;
  for (const DxNotice& n : notices) skipped += n.problem != DxLineProblem::kNotesTooLong;
  std::string text = std::string(kDxShowsFileName) + ": " + std::to_string(notices.size()) +
                     (notices.size() == 1 ? " line is" : " lines are") + " not listed as written";
  text += skipped > 0 ? " (" + std::to_string(skipped) + " skipped)." : ".";
  constexpr std::size_t kShown = 5;
  for (std::size_t i = 0; i < notices.size() && i < kShown; ++i) {
    text += "\rLine " + std::to_string(notices[i].line) + ": " + DxProblemText(notices[i].problem);
  }
  if (notices.size() > kShown) text += "\r...";
  text += "\rThese lines stay in the file as they are.";
  return text;
}

DxPrograms::DxPrograms(AppContext& ctx) : ctx_(ctx) {}

std::filesystem::path DxPrograms::path() const {
  return FindFileNoCase(ctx_.data_folder() / kDxShowsFileName);
}

std::vector<std::string> DxPrograms::OnAirNames() {
  QueryPorts ports;
  ports.clock = &ctx_.clock();
  ports.utc_offset_hours = UtcOffsetHours(ctx_.settings());
  QueryResults& results = ctx_.query_results();
  StationQuery(ctx_.database(), results, ports, QueryTarget::kNone, QueryKind::kOnAirNames, "");
  return {results.on_air.rows().begin(), results.on_air.rows().end()};
}

const DxListView& DxPrograms::Fill() {
  view_ = DxListView{};
  const ClockReading now = GetClock(ctx_.clock(), UtcOffsetHours(ctx_.settings()), 2);
  std::string bytes;
  const std::filesystem::path file = path();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec) || !ReadWholeFile(file, bytes)) {
    // The caption still says which moment (or preview) the empty list stands for.
    view_.caption = FillDxList({}, filter_, now, {}).caption;
    ShowLaunchError(ctx_.prompts(), file);
    return view_;
  }
  view_ = FillDxList(SplitDxShows(bytes), filter_, now, OnAirNames());
  // Said once for each new set of problems, not at every refill.
  const std::string notice = DxNoticeText(view_.notices);
  if (!notice.empty() && notice != last_notice_) {
    ShowMessage(ctx_.prompts(), MessageKind::kWarning, notice);
  }
  last_notice_ = notice;
  return view_;
}

bool DxPrograms::IsProgramRow(int row) const {
  return row >= 0 && row < static_cast<int>(view_.rows.size()) &&
         !view_.rows[static_cast<std::size_t>(row)].heading;
}

bool DxPrograms::CanInsert(int row) const {
  if (IsProgramRow(row)) return true;
  return std::none_of(view_.rows.begin(), view_.rows.end(),
                      [](const DxRow& r) { return !r.heading; });
}

DxEntry DxPrograms::EntryOf(int row) const {
  DxEntry e;
  if (!IsProgramRow(row)) return e;
  const std::optional<DxProgramme> p =
      ParseDxLine(view_.rows[static_cast<std::size_t>(row)].file_line).programme;
  if (!p) return e;
  e.time = p->time4;
  e.program = TrimStr(p->program);
  e.station = TrimStr(p->station);
  e.notes = TrimStr(p->notes);
  e.heard = p->heard;
  return e;
}

namespace {
// Characters 25..49 of a programme row.
std::string RowStation(const DxRow& r) { return TrimStr(r.text.substr(24, kDxStationWidth)); }
}  // namespace

bool DxPrograms::FindFrequencies(int row) {
  if (!IsProgramRow(row)) return false;
  const DxRow& r = view_.rows[static_cast<std::size_t>(row)];
  ctx_.find_handover() = {RowStation(r), r.text.substr(0, 4)};
  ctx_.commands().Post(AppCommand::kFindFreqDown);
  return true;
}

std::string DxPrograms::StatusText(int row) const {
  if (!IsProgramRow(row)) return "";
  return "Double-click to find frequencies for '" +
         RowStation(view_.rows[static_cast<std::size_t>(row)]);
}

bool DxPrograms::Mark(int row) {
  if (!IsProgramRow(row)) return false;
  return Rewrite(row, {ToggleDxMark(view_.rows[static_cast<std::size_t>(row)].file_line)});
}

bool DxPrograms::Modify(int row, const DxEntry& entry) {
  if (!IsProgramRow(row) || ValidateDxEntry(entry)) return false;
  const std::string& old = view_.rows[static_cast<std::size_t>(row)].file_line;
  return Rewrite(row, {BuildDxLine(entry, std::string_view(old).substr(4))});
}

bool DxPrograms::Insert(int row, bool after, const DxEntry& entry) {
  if (!CanInsert(row) || ValidateDxEntry(entry)) return false;
  if (IsProgramRow(row)) {
    const std::string& old = view_.rows[static_cast<std::size_t>(row)].file_line;
    const std::string line = BuildDxLine(entry, std::string_view(old).substr(4));
    return Rewrite(row, after ? std::vector<std::string>{old, line}
                              : std::vector<std::string>{line, old});
  }
  return Rewrite(-1, {BuildDxLine(entry, DxHeadForDay(view_.start_day))});
}

bool DxPrograms::Delete(int row) {
  if (!IsProgramRow(row)) return false;
  return Rewrite(row, {});
}

bool DxPrograms::Rewrite(int row, const std::vector<std::string>& replacement) {
  const std::filesystem::path file = path();
  std::string bytes;
  std::error_code ec;
  if (std::filesystem::exists(file, ec) && !ReadWholeFile(file, bytes)) {
    ShowLaunchError(ctx_.prompts(), file);
    return false;
  }
  std::vector<DxFileLine> lines = SplitDxShows(bytes);
  std::size_t at = 0;
  std::size_t remove = 0;
  if (row >= 0) {
    // The line is found again by its number; if the file was changed behind the list, nothing
    // is written and the list is read again.
    const DxRow& r = view_.rows[static_cast<std::size_t>(row)];
    const std::size_t index = static_cast<std::size_t>(r.line - 1);
    if (index >= lines.size() || lines[index].text != r.file_line) {
      ShowMessage(ctx_.prompts(), MessageKind::kWarning,
                  std::string(kDxShowsFileName) +
                      " has changed since it was listed; nothing was written and the list is "
                      "read again.");
      Fill();
      return false;
    }
    at = index;
    remove = 1;
  } else {
    // An empty list: the new programme goes after the last programme of its day and time.
    const std::optional<DxProgramme> added = ParseDxLine(replacement.front()).programme;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::optional<DxProgramme> p = ParseDxLine(lines[i].text).programme;
      if (p && added && (p->day < added->day || (p->day == added->day && p->time <= added->time))) {
        at = i + 1;
      }
    }
  }
  std::vector<DxFileLine> out(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(at));
  const std::string ending = remove ? lines[at].ending : std::string("\r\n");
  for (std::size_t k = 0; k < replacement.size(); ++k) {
    // The replaced line keeps its own line end on its last line; new lines end in CR LF.
    const bool last = k + 1 == replacement.size();
    out.push_back({replacement[k], last && remove ? ending : "\r\n"});
  }
  if (!out.empty() && at > 0 && out[at - 1].ending.empty()) out[at - 1].ending = "\r\n";
  out.insert(out.end(), lines.begin() + static_cast<std::ptrdiff_t>(at + remove), lines.end());
  std::string error;
  if (!CommitFiles({{file, JoinDxShows(out)}}, error)) {
    ShowMessage(ctx_.prompts(), MessageKind::kError,
                "Cannot write " + ExpandedPath(file) + "\r" + error);
    return false;
  }
  Fill();
  return true;
}

}  // namespace r8
