#include "stations/station_windows.h"

#include <algorithm>
#include <filesystem>

#include "app/app_context.h"
#include "common/format.h"
#include "database/station_query.h"

namespace r8 {
namespace {

constexpr std::array kSyncOrder = {StationWindow::kFind,          StationWindow::kFullSchedule,
                                   StationWindow::kOtherStations, StationWindow::kSwbc,
                                   StationWindow::kUtility,       StationWindow::kBcb};

QueryTarget TargetOf(StationWindow w) {
  switch (w) {
    case StationWindow::kFind:
      return QueryTarget::kFindWindow;
    case StationWindow::kFullSchedule:
      return QueryTarget::kFullSchedule;
    case StationWindow::kOtherStations:
      return QueryTarget::kOtherStations;
    case StationWindow::kSwbc:
      return QueryTarget::kSwbcList;
    case StationWindow::kUtility:
      return QueryTarget::kUtilityList;
    case StationWindow::kBcb:
      return QueryTarget::kBcbList;
    default:
      return QueryTarget::kNone;
  }
}

WhatVariant VariantOf(StationWindow w) {
  return w == StationWindow::kSwbc
             ? WhatVariant::kSwbc
             : (w == StationWindow::kUtility ? WhatVariant::kUtility : WhatVariant::kBcb);
}

// The engine writes a window's lines or rows straight into its state.
class StateTargets : public QueryTargets, ResultList, ResultGrid {
 public:
  explicit StateTargets(StationWindowState& s) : s_(s) {}
  ResultList* GetListBox(QueryTarget) override { return this; }
  ResultGrid* GetGridBox(QueryTarget) override { return this; }

 private:
  void InsertLine(int index, std::string_view text) override {
    const auto at =
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), 0, s_.lines.size());
    s_.lines.insert(s_.lines.begin() + static_cast<std::ptrdiff_t>(at), std::string(text));
  }
  int LineCount() const override { return static_cast<int>(s_.lines.size()); }
  void AddRow(std::span<const std::string> cells) override {
    s_.rows.emplace_back(cells.begin(), cells.end());
  }
  int RowCount() const override { return static_cast<int>(s_.rows.size()); }
  void Clear() override {
    s_.lines.clear();
    s_.rows.clear();
  }

  StationWindowState& s_;
};

std::string KeyAfter(const std::string& caption, std::string_view prefix) {
  return caption.size() >= prefix.size() ? caption.substr(prefix.size()) : std::string();
}

}  // namespace

StationWindowSet::StationWindowSet(AppContext& ctx) : ctx_(ctx) {
  CommandTable& c = ctx_.commands();
  subscriptions_.push_back(c.Register(AppCommand::kFindFreqDown, [this](int) { FindFreq(-1); }));
  subscriptions_.push_back(c.Register(AppCommand::kFindFreqHere, [this](int) { FindFreq(0); }));
  subscriptions_.push_back(c.Register(AppCommand::kFindFreqUp, [this](int) { FindFreq(1); }));
  subscriptions_.push_back(c.Register(AppCommand::kWhenStation, [this](int) { WhenStat(); }));
  subscriptions_.push_back(
      c.Register(AppCommand::kUpdateWhatWindow, [this](int) { UpdateWhatWindow(); }));
  subscriptions_.push_back(
      c.Register(AppCommand::kSyncWindows, [this](int p) { SyncWindows(p & 0xFFFF); }));
  subscriptions_.push_back(
      ctx_.events().minute_tick.Subscribe([this](const ClockReading&) { RefreshForNewHour(); }));
  subscriptions_.push_back(
      ctx_.events().database_changed.Subscribe([this](const DatabaseChange& change) {
        // A load renumbers the records: what the windows hold names other records now.
        if (change == DatabaseChange::kLoaded) ClearHoldsResults();
        for (StationWindow w : kSyncOrder) {
          if (IsOpen(w)) Refresh(w, true);
        }
      }));
}

StationWindowSet::~StationWindowSet() = default;

int StationWindowSet::PresentHour() const {
  return GetClock(ctx_.clock(), UtcOffsetHours(ctx_.settings()), 0).hours;
}

void StationWindowSet::Query(StationWindow w) {
  StationWindowState& s = mut(w);
  StateTargets targets(s);
  targets.GetListBox(QueryTarget::kNone)->Clear();
  QueryPorts ports;
  ports.targets = &targets;
  ports.clock = &ctx_.clock();
  ports.utc_offset_hours = UtcOffsetHours(ctx_.settings());
  const StationDatabase& db = ctx_.database();
  QueryResults& results = ctx_.query_results();
  const QueryTarget target = TargetOf(w);
  switch (w) {
    case StationWindow::kSwbc:
    case StationWindow::kUtility:
    case StationWindow::kBcb: {
      const bool preview = w == StationWindow::kSwbc && s.preview;
      if (w == StationWindow::kSwbc) {
        const ClockReading now = GetClock(ctx_.clock(), ports.utc_offset_hours, 0);
        s.caption =
            preview ? SwbcPreviewCaption(s.preview_time) : SwbcCaption(now.time4, now.day_of_week);
      } else {
        s.caption = w == StationWindow::kUtility ? "Available Utility Stations"
                                                 : "Available BCB/CB Stations ";
      }
      StationQuery(db, results, ports, target, QueryKind::kStationsNow, "",
                   preview ? std::string_view(s.preview_time) : kTimeNow);
      s.fill_hour = preview ? -1 : PresentHour();
      break;
    }
    case StationWindow::kFind:
      if (s.usage) {
        StationQuery(db, results, ports, target, QueryKind::kFreqUsage, s.caption);
      } else {
        StationQuery(db, results, ports, target, QueryKind::kFindNow, s.caption,
                     s.time.empty() ? kTimeNow : std::string_view(s.time));
        s.fill_hour = s.time.empty() ? PresentHour() : -1;
      }
      break;
    case StationWindow::kFullSchedule:
      StationQuery(db, results, ports, target, QueryKind::kFullSchedule,
                   KeyAfter(s.caption, kFullScheduleCaption));
      break;
    case StationWindow::kOtherStations:
      StationQuery(db, results, ports, target, QueryKind::kWhoElse,
                   KeyAfter(s.caption, kOtherStationsCaption));
      break;
    default:
      break;
  }
}

void StationWindowSet::Refresh(StationWindow w, bool keep_position) {
  StationWindowState& s = mut(w);
  const int top = s.top_row;
  const int selected = s.selected;
  Query(w);
  const int count = s.RowCount();
  if (keep_position) {
    s.top_row = std::max(0, std::min(top, count - 1));
    s.selected = ClampRow(selected, count);
  } else {
    s.top_row = 0;
    s.selected = count > 0 ? 0 : -1;
    s.selected_column = 0;
  }
  // A usage list does not depend on the time, so it never needs a refill.
  s.holds_results = !(w == StationWindow::kFind && s.usage);
  Show(w);
}

void StationWindowSet::Show(StationWindow w) {
  if (host_) host_->ShowState(w);
}

void StationWindowSet::Activate(StationWindow w) {
  if (host_) host_->ActivateWindow(w);
}

void StationWindowSet::Closed(StationWindow w) {
  StationWindowState& s = mut(w);
  s.handle = 0;
  s.holds_results = false;
  if (w != current_what_) return;
  current_what_ = StationWindow::kNone;
  for (StationWindow other : {StationWindow::kSwbc, StationWindow::kUtility, StationWindow::kBcb}) {
    if (IsOpen(other)) {
      current_what_ = other;
      break;
    }
  }
}

void StationWindowSet::Activated(StationWindow w) {
  if (IsStationList(w) && IsOpen(w)) current_what_ = w;
}

void StationWindowSet::Select(StationWindow w, int row, int column) {
  StationWindowState& s = mut(w);
  s.selected = ClampRow(row, s.RowCount());
  s.selected_column = std::max(0, column);
}

void StationWindowSet::SetTopRow(StationWindow w, int row) { mut(w).top_row = std::max(0, row); }

bool StationWindowSet::NewMakeWindow(StationWindow w) {
  if (host_ && !host_->OpenWindow(w)) return false;
  StationWindowState& s = mut(w);
  if (s.handle == 0) s.handle = next_handle_++;
  return true;
}

void StationWindowSet::WhatWindow(int which) {
  const StationWindow w = which == 1   ? StationWindow::kSwbc
                          : which == 2 ? StationWindow::kUtility
                                       : StationWindow::kBcb;
  if (!NewMakeWindow(w)) return;
  if (w == StationWindow::kSwbc) mut(w).preview = false;
  current_what_ = w;
  Refresh(w, false);
}

void StationWindowSet::FindFreq(int variant) {
  if (!NewMakeWindow(StationWindow::kFind)) return;
  StationWindowState& s = mut(StationWindow::kFind);
  s.caption = handover_.name;
  s.usage = variant > 0;
  s.time = variant < 0 ? handover_.time : std::string();
  Refresh(StationWindow::kFind, false);
  Activate(StationWindow::kFind);
}

void StationWindowSet::WhenStat() {
  if (!NewMakeWindow(StationWindow::kFullSchedule)) return;
  mut(StationWindow::kFullSchedule).caption =
      std::string(kFullScheduleCaption) + TrimStr(handover_.name);
  Refresh(StationWindow::kFullSchedule, false);
  Activate(StationWindow::kFullSchedule);
}

void StationWindowSet::WhoStat() {
  if (!NewMakeWindow(StationWindow::kOtherStations)) return;
  mut(StationWindow::kOtherStations).caption =
      std::string(kOtherStationsCaption) + TrimStr(handover_.freq);
  Refresh(StationWindow::kOtherStations, false);
  Activate(StationWindow::kOtherStations);
}

bool StationWindowSet::FreqLblClick() {
  const RadioState& r = ctx_.radio();
  if (!r.PowerOn || r.RadioFreq >= 30000.0) return false;
  handover_.freq = FormatFixed(r.RadioFreq, 2);
  WhoStat();
  return true;
}

void StationWindowSet::SyncWindows(int except) {
  const StationWindow named =
      except >= 1 && except <= 6 ? static_cast<StationWindow>(except) : StationWindow::kNone;
  for (StationWindow w : kSyncOrder) {
    if (w == named || !IsOpen(w)) continue;
    if (w == StationWindow::kFind && state(w).usage) continue;
    Refresh(w, true);
  }
  // The editing window's own list last, usage list or not: the edit happened there.
  if (named != StationWindow::kNone && IsOpen(named)) Refresh(named, true);
  ctx_.commands().Post(AppCommand::kRefresh);
  Activate(IsOpen(named) ? named : StationWindow::kNone);
}

void StationWindowSet::UpdateWhatWindow() {
  if (current_what_ == StationWindow::kNone || !IsOpen(current_what_)) return;
  Refresh(current_what_, true);
  Activate(current_what_);
}

void StationWindowSet::UpdateFindWindow() {
  if (IsOpen(StationWindow::kFind)) Refresh(StationWindow::kFind, true);
}

void StationWindowSet::UpdateGridWindow(StationWindow w) {
  if ((w == StationWindow::kFullSchedule || w == StationWindow::kOtherStations) && IsOpen(w))
    Refresh(w, true);
}

void StationWindowSet::DispatchWindow(StationWindow w, int row) {
  StationWindowState& s = mut(w);
  s.selected = ClampRow(row, s.RowCount());
  if (s.selected < 0) return Show(w);
  if (w == StationWindow::kPrograms) {
    s.top_row = std::max(0, s.selected - 4);
  } else if (s.selected < s.top_row) {
    s.top_row = s.selected;
  }
  Show(w);
}

TabMove StationWindowSet::CMTabWindow(bool from_main_window) {
  if (current_what_ != StationWindow::kNone && IsOpen(current_what_)) {
    UpdateWhatWindow();
    return TabMove::kWhatWindow;
  }
  if (IsOpen(StationWindow::kFind)) {
    Activate(StationWindow::kFind);
    return TabMove::kFindWindow;
  }
  if (from_main_window) return TabMove::kNextControl;
  Activate(StationWindow::kNone);
  return TabMove::kMainWindow;
}

TabMove StationWindowSet::CMShTabWindow(bool from_main_window) {
  if (IsOpen(StationWindow::kPrograms)) {
    Activate(StationWindow::kPrograms);
    return TabMove::kPrograms;
  }
  if (from_main_window) return TabMove::kPreviousControl;
  Activate(StationWindow::kNone);
  return TabMove::kMainWindow;
}

void StationWindowSet::ClearHoldsResults() {
  for (StationWindowState& s : slots_) s.holds_results = false;
}

void StationWindowSet::RefreshForNewHour() {
  const int hour = PresentHour();
  for (StationWindow w : kSyncOrder) {
    const StationWindowState& s = state(w);
    if (IsOpen(w) && s.fill_hour >= 0 && s.fill_hour != hour) Refresh(w, true);
  }
}

void StationWindowSet::SetPreview(bool on) {
  StationWindowState& s = mut(StationWindow::kSwbc);
  s.preview = on;
  if (on && s.preview_time.empty()) {
    // The first preview starts at the filter time, or at the present.
    s.preview_time = !s.filter_time.empty()
                         ? s.filter_time
                         : GetClock(ctx_.clock(), UtcOffsetHours(ctx_.settings()), 0).time4;
    s.track_minutes = TimeStrToMinutes(s.preview_time);
  }
  if (IsOpen(StationWindow::kSwbc)) Refresh(StationWindow::kSwbc, true);
}

bool StationWindowSet::SetFilter(std::string_view entry) {
  const std::optional<std::string> t = FilterTime(entry);
  if (!t) return false;
  StationWindowState& s = mut(StationWindow::kSwbc);
  s.filter_time = s.preview_time = *t;
  s.track_minutes = TimeStrToMinutes(*t);
  s.preview = true;
  if (IsOpen(StationWindow::kSwbc)) Refresh(StationWindow::kSwbc, true);
  return true;
}

void StationWindowSet::SetTrackMinutes(int minutes) {
  mut(StationWindow::kSwbc).track_minutes = std::clamp(minutes, 0, 1440);
  Show(StationWindow::kSwbc);
}

void StationWindowSet::TrackBtnClick() {
  StationWindowState& s = mut(StationWindow::kSwbc);
  s.preview_time = MinutesToTime4(s.track_minutes);
  if (IsOpen(StationWindow::kSwbc)) Refresh(StationWindow::kSwbc, true);
}

void StationWindowSet::DoubleClick(StationWindow w, int row, int column) {
  const StationWindowState& s = state(w);
  if (row < 0 || row >= s.RowCount()) return;
  const RadioState& radio = ctx_.radio();
  if (IsStationList(w)) {
    const std::string& line = s.lines[static_cast<std::size_t>(row)];
    if (IsHeadingRow(line)) return;
    handover_.name = StationListName(line);
    if (w == StationWindow::kSwbc && s.preview) {
      handover_.time = s.preview_time;
      FindFreq(-1);
    } else {
      FindFreq(0);
    }
  } else if (w == StationWindow::kFullSchedule) {
    const std::vector<std::string>& cells = s.rows[static_cast<std::size_t>(row)];
    if (column < 0 || column >= static_cast<int>(cells.size())) return;
    const std::string& cell = cells[static_cast<std::size_t>(column)];
    if (column == 0) {
      const std::string name = ScheduleCellName(cell);
      if (name.empty()) return;
      handover_.name = name;
      FindFreq(1);
      return;
    }
    const bool scanning = radio.ScanState == ScanStateCode::kReceiverScan || ctx_.scan().active;
    if (!radio.PowerOn || scanning) return;
    const std::optional<double> khz = ParseDecimal(ScheduleCellFreq(cell));
    if (!khz || *khz <= 0.0) return;
    ctx_.control().TuneRadio(*khz);
    if (const std::optional<ModeCode> mode = ModeFromStationCode(ScheduleCellCode(cell)))
      ctx_.control().SetRadioMode(*mode);
    ctx_.commands().Post(AppCommand::kRefresh);
  } else if (w == StationWindow::kOtherStations) {
    const std::vector<std::string>& cells = s.rows[static_cast<std::size_t>(row)];
    if (!radio.PowerOn || cells.size() < 2) return;
    handover_.name = TrimStr(std::string_view(cells[1]).substr(0, 25));
    if (column == 0) {
      WhenStat();
    } else {
      ctx_.commands().Post(AppCommand::kLogEntry);
    }
  }
}

std::string StationWindowSet::StatusText(StationWindow w, int row, int column) const {
  const StationWindowState& s = state(w);
  if (row < 0 || row >= s.RowCount()) return {};
  if (IsStationList(w)) {
    const std::string& line = s.lines[static_cast<std::size_t>(row)];
    if (IsHeadingRow(line)) return {};
    return "Double-click to display current frequencies for " + StationListName(line);
  }
  if (s.rows.empty()) return {};
  const std::vector<std::string>& cells = s.rows[static_cast<std::size_t>(row)];
  if (column < 0 || column >= static_cast<int>(cells.size())) return {};
  const std::string& cell = cells[static_cast<std::size_t>(column)];
  if (w == StationWindow::kFullSchedule) {
    if (column == 0) {
      const std::string name = ScheduleCellName(cell);
      return name.empty() ? std::string() : "Double-click to find all frequencies used by " + name;
    }
    const std::string freq = ScheduleCellFreq(cell);
    return freq.empty() ? std::string() : "Double-click to tune to " + freq;
  }
  if (w == StationWindow::kOtherStations && cells.size() >= 2) {
    const std::string name = TrimStr(std::string_view(cells[1]).substr(0, 25));
    return (column == 0 ? "Double-click to show full schedule for "
                        : "Double-click to create log entry for ") +
           name;
  }
  return {};
}

EditMenuState StationWindowSet::EditMenu(StationWindow w) const {
  const StationWindowState& s = state(w);
  const QueryResults& results = ctx_.query_results();
  const int row = s.selected;
  int record = 0;
  if (row >= 0 && row < s.RowCount()) {
    if (IsStationList(w)) {
      const auto& table = results.What(VariantOf(w));
      const bool heading = IsHeadingRow(s.lines[static_cast<std::size_t>(row)]);
      if (!heading && row < table.count()) record = table[row].record;
      // Above a utility heading a station goes before the first one under it.
      const int next = row + 1;
      if (heading && w == StationWindow::kUtility && next < s.RowCount() && next < table.count() &&
          !IsHeadingRow(s.lines[static_cast<std::size_t>(next)])) {
        EditMenuState e;
        e.record = table[next].record;
        e.enabled = e.insert_above_only = ctx_.database().HasRecord(e.record);
        return e;
      }
    } else if (w == StationWindow::kFind && row < results.find.count()) {
      record = results.find[row].record;
    } else if (w == StationWindow::kOtherStations && row < results.who.count()) {
      record = results.who[row].record;
    } else if (w == StationWindow::kFullSchedule && row < results.schedule.count()) {
      const ScheduleRow& r = results.schedule[row];
      const int c = std::max(1, s.selected_column);
      if (c <= r.freq_count) record = r.records[static_cast<std::size_t>(c - 1)];
    }
  }
  EditMenuState e;
  if (!ctx_.database().HasRecord(record)) return e;
  e.enabled = true;
  e.record = record;
  if (IsHeard(ctx_.database().Record(record))) e.mark_caption = "&Unmark";
  return e;
}

bool StationWindowSet::RowFlagged(StationWindow w, int row, int column) const {
  const QueryResults& results = ctx_.query_results();
  if (row < 0) return false;
  if (IsStationList(w)) {
    const auto& table = results.What(VariantOf(w));
    return row < table.count() && table[row].flag != 0;
  }
  if (w == StationWindow::kFind) return row < results.find.count() && results.find[row].flag != 0;
  if (w == StationWindow::kOtherStations)
    return row < results.who.count() && results.who[row].flag != 0;
  if (w == StationWindow::kFullSchedule && row < results.schedule.count()) {
    const ScheduleRow& r = results.schedule[row];
    const int c = std::max(1, column);
    return c <= r.freq_count &&
           IsHeard(ctx_.database().Record(r.records[static_cast<std::size_t>(c - 1)]));
  }
  return false;
}

std::optional<PrintJob> StationWindowSet::CMWhenPrint(const std::string& name, bool to_file) {
  std::string destination(kPrinterDestination);
  if (to_file) {
    FileDialogRequest ask;
    ask.for_open = false;
    ask.title = "Save Station File As";
    ask.initial_dir = ctx_.data_folder().string();
    ask.filters = {"Memory files|*.MEM",   "Log files|*.LOG",      "Text files|*.TXT",
                   "Export formats|*.FML", "Report formats|*.FMR", "Pan files|*.PAN",
                   "All files|*.*"};
    ask.filter_index = 3;
    // DoPrint asks before it replaces a file; the dialog need not ask as well.
    ask.overwrite_prompt = false;
    const FileDialogResult chosen = ctx_.prompts().FileDialog(ask);
    if (!chosen.accepted || chosen.name.empty()) return std::nullopt;
    destination = chosen.name;
    if (std::filesystem::path(destination).extension().empty() && chosen.filter_index < 7)
      destination += ".txt";
  }
  DatabasePorts ports = ctx_.database_ports(nullptr);
  DoPrintResult r = DoPrint(ctx_.data_folder(), ctx_.database(), name, destination, ports);
  return r.outcome == DumpOutcome::kWritten ? r.print_job : std::nullopt;
}

}  // namespace r8
