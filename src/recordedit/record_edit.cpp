#include "recordedit/record_edit.h"

#include <algorithm>
#include <cmath>

#include "app/app_commands.h"
#include "app/app_context.h"
#include "common/format.h"
#include "common/progress_box.h"
#include "common/user_prompts.h"
#include "database/query_results.h"
#include "database/station_database.h"
#include "stations/station_windows.h"

namespace r8 {

namespace {

constexpr std::string_view kCaptionTail = "Database Record";

std::string Fit(std::string_view text, std::size_t width) {
  return PadRight(TrimStr(text).substr(0, std::min(TrimStr(text).size(), width)), width);
}

bool Refuse(UserPrompts& prompts, const char* text) {
  ShowMessage(prompts, MessageKind::kError, text);
  return false;
}

bool IsDigits(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A typed time: four digits, hours to 24, minutes to 59, nothing past 2400.
bool IsTime4(std::string_view s) {
  if (s.size() != 4 || !IsDigits(s)) return false;
  const int v = std::stoi(std::string(s));
  return v % 100 <= 59 && v <= 2400;
}

std::array<char, 2> TargetOf(const RecordForm& form) {
  const std::string t = Fit(form.target, 2);
  return {t[0], t[1]};
}

void WriteEditedFields(ScheduleRecord& r, const RecordForm& form) {
  r.Freq = ParseDecimal(TrimStr(form.freq)).value_or(r.Freq);
  r.Target = TargetOf(form);
  r.Heard = form.heard ? 'T' : 'F';
}

}  // namespace

bool ModeRules::Editable(EditField f) const {
  return std::find(fields.begin(), fields.end(), f) != fields.end();
}

ModeRules RulesOf(EditMode mode) {
  using F = EditField;
  switch (mode) {
    case EditMode::kModify:
      return {
          "Modify " + std::string(kCaptionTail), {F::kFreq, F::kTarget, F::kHeard}, F::kFreq, 220};
    case EditMode::kInsert:
      return {
          "Insert " + std::string(kCaptionTail), {F::kFreq, F::kTarget, F::kHeard}, F::kFreq, 230};
    case EditMode::kDelete:
      return {"Delete " + std::string(kCaptionTail), {}, F::kOk, 240};
    case EditMode::kRename:
      return {"Modify " + std::string(kCaptionTail), {F::kStation}, F::kStation, 220};
    case EditMode::kInsertStation:
      return {"Insert " + std::string(kCaptionTail),
              {F::kStation, F::kFreq, F::kTarget, F::kHeard},
              F::kStation,
              230};
    case EditMode::kInsertAtBoundary:
      return {"Insert " + std::string(kCaptionTail),
              {F::kStop, F::kStation, F::kFreq, F::kTarget, F::kHeard},
              F::kStop,
              230};
  }
  return {};
}

RecordForm FormFor(const StationDatabase& db, int record, EditMode mode,
                   std::optional<double> tuned_khz) {
  const ScheduleRecord& r = db.Record(record);
  const std::string range = TimeRangeText(r, false);
  RecordForm f;
  f.start = range.substr(0, 4);
  f.stop = mode == EditMode::kInsertAtBoundary ? std::string() : range.substr(4, 4);
  f.days = DaysText(r.Days);
  const bool insert = mode == EditMode::kInsert || mode == EditMode::kInsertStation ||
                      mode == EditMode::kInsertAtBoundary;
  if (mode != EditMode::kInsertStation && mode != EditMode::kInsertAtBoundary)
    f.station = TrimStr(db.StationNameOf(r));
  f.freq = FreqText7(r.Freq);
  f.target = TrimStr(std::string_view(r.Target.data(), 2));
  f.heard = IsHeard(r);
  if (insert && tuned_khz) {
    f.freq = FormatFixedWidth(std::round(*tuned_khz * 10.0) * 0.1, 7, 1);
    f.heard = true;
    f.target.clear();
  }
  return f;
}

std::optional<RecordForm> CheckForm(const RecordForm& form, EditMode mode, UserPrompts& prompts) {
  RecordForm f = form;
  f.start = Fit(form.start, 4);
  f.stop = Fit(form.stop, 4);
  f.station = Fit(form.station, kStationNameLength);
  f.target = Fit(form.target, 2);
  const std::optional<std::string> freq = ValidateFreq(form.freq, prompts);
  if (!freq) return std::nullopt;
  f.freq = *freq;
  if (mode < EditMode::kRename) return f;
  const bool all_day = f.start == "24hr";
  const bool utility = f.start == "Util";
  if (TrimStr(f.start).empty()) return Refuse(prompts, "Illegal start time entered."), std::nullopt;
  // An all-day record has no stop time to enter.
  if (!all_day && TrimStr(f.stop).empty())
    return Refuse(prompts, "Illegal end time entered."), std::nullopt;
  // The one typed time (the boundary insert's stop) has to be a time; a utility code is free text.
  if (mode == EditMode::kInsertAtBoundary && !all_day && !utility && !IsTime4(f.stop))
    return Refuse(prompts, "Illegal end time entered."), std::nullopt;
  if (TrimStr(f.station).empty())
    return Refuse(prompts, "Illegal station name entered."), std::nullopt;
  return f;
}

void MarkRecord(StationDatabase& db, int record) {
  ScheduleRecord* r = db.MutableRecord(record);
  if (!r) return;
  r->Heard = IsHeard(*r) ? 'F' : 'T';
  db.SetDatabaseChanged(1);
}

void ModifyRecord(StationDatabase& db, int record, const RecordForm& form) {
  ScheduleRecord* r = db.MutableRecord(record);
  if (!r) return;
  WriteEditedFields(*r, form);
  db.SetDatabaseChanged(1);
}

void RenameStation(StationDatabase& db, int record, const RecordForm& form) {
  const ScheduleRecord* r = db.MutableRecord(record);
  if (!r || !db.stations().Rename(r->StationIndex, Fit(form.station, kStationNameLength))) return;
  db.SetDatabaseChanged(1);
}

int InsertRecordFrom(StationDatabase& db, int record, bool after, EditMode mode,
                     const RecordForm& form, ProgressBox* progress) {
  if (!db.HasRecord(record) || db.count() >= kMaxRecords) return 0;
  ScheduleRecord r = db.Record(record);
  const int position = after ? record + 1 : record;
  {
    ProgressScope scope(progress, "Inserting Record", "Inserting...");
    if (mode == EditMode::kInsertStation || mode == EditMode::kInsertAtBoundary) {
      const std::string name = Fit(form.station, kStationNameLength);
      std::uint16_t station = db.stations().Find(name);
      if (station == 0) station = db.stations().Add(name);
      if (station == 0) return 0;
      r.StationIndex = station;
      const std::string start = Fit(form.start, 4);
      const std::string stop = Fit(form.stop, 4);
      if (start == "Util") {
        const ScheduleRecord code = UtilityRecord(stop);
        r.StartTime = code.StartTime;
        r.StopTime = code.StopTime;
      } else if (start == "24hr") {
        r.StartTime = kAllDay;
        r.StopTime = 0;
      } else {
        r.StartTime = static_cast<std::int16_t>(ParseLeadingInt(start).value_or(0));
        r.StopTime = static_cast<std::int16_t>(ParseLeadingInt(stop).value_or(0));
      }
    }
    WriteEditedFields(r, form);
    if (!db.InsertRecord(position, r)) return 0;
  }
  ReindexDatabase(db, progress);
  db.SetDatabaseChanged(1);
  return position;
}

void DeleteScheduleRecord(StationDatabase& db, int record, ProgressBox* progress) {
  {
    ProgressScope scope(progress, "Deleting Record", "Deleting...");
    if (!db.DeleteRecord(record)) return;
  }
  ReindexDatabase(db, progress);
  db.SetDatabaseChanged(1);
}

int LastOfRun(const StationDatabase& db, int record) {
  if (!db.HasRecord(record)) return record;
  const ScheduleRecord& r = db.Record(record);
  int last = record;
  while (db.HasRecord(last + 1) && db.Record(last + 1).StationIndex == r.StationIndex &&
         db.Record(last + 1).StopTime == r.StopTime)
    ++last;
  return last;
}

std::optional<ListInsert> StationListInsert(const std::vector<std::string>& lines, int row,
                                            bool below, bool utility) {
  const int count = static_cast<int>(lines.size());
  if (row < 0 || row >= count) return std::nullopt;
  const auto line = [&lines](int i) -> const std::string& {
    return lines[static_cast<std::size_t>(i)];
  };
  if (line(row).starts_with("Ch ")) return std::nullopt;
  if (IsHeadingRow(line(row))) {
    // Above a utility heading: the new record opens the block, at the first station's place.
    if (!utility || below || row + 1 >= count || IsHeadingRow(line(row + 1)) ||
        line(row + 1).starts_with("Ch "))
      return std::nullopt;
    return ListInsert{row + 1, EditMode::kInsertAtBoundary};
  }
  if (utility && below && (row + 1 >= count || IsHeadingRow(line(row + 1))))
    return ListInsert{row, EditMode::kInsertAtBoundary};
  return ListInsert{row, EditMode::kInsertStation};
}

bool RoomToInsert(const StationDatabase& db, bool station_list, UserPrompts& prompts) {
  const bool full =
      db.count() >= kMaxRecords ||
      (station_list && db.stations().size() >= static_cast<std::size_t>(kMaxStations));
  if (!full) return true;
  ShowMessage(prompts, MessageKind::kInformation,
              station_list ? "Warning:  Database limits are full.  Frequency can not be added."
                           : "Warning:  Database limits are full.  Frequency was not added.");
  return false;
}

RecordEditor::RecordEditor(AppContext& ctx, RecordDialog& dialog, ProgressBox* progress)
    : ctx_(ctx), dialog_(dialog), progress_(progress) {}

bool RecordEditor::Edit(StationWindow w, const std::string& action, int record) {
  StationDatabase& db = ctx_.database();
  if (!db.HasRecord(record)) return false;
  const bool list = IsStationList(w);
  if (action == "mark") {
    MarkRecord(db, record);
  } else if (action == "modify") {
    if (list) {
      // Channel rows of the BCB/CB list are not the station's own: they cannot be renamed.
      const StationWindowState& s = ctx_.station_windows().state(w);
      if (s.selected >= 0 && s.selected < s.RowCount() &&
          s.lines[static_cast<std::size_t>(s.selected)].starts_with("Ch "))
        return false;
    }
    const EditMode mode = list ? EditMode::kRename : EditMode::kModify;
    const std::optional<RecordForm> form = dialog_.Run(mode, FormFor(db, record, mode, {}));
    if (!form) return false;
    if (list)
      RenameStation(db, record, *form);
    else
      ModifyRecord(db, record, *form);
  } else if (action == "insert_before" || action == "insert_after") {
    if (!Insert(w, action == "insert_after", record)) return false;
  } else if (action == "delete") {
    const std::optional<RecordForm> form =
        dialog_.Run(EditMode::kDelete, FormFor(db, record, EditMode::kDelete, {}));
    if (!form) return false;
    DeleteScheduleRecord(db, record, progress_);
  } else {
    return false;
  }
  ctx_.commands().Post(AppCommand::kSyncWindows, static_cast<int>(w));
  return true;
}

bool RecordEditor::Insert(StationWindow w, bool after, int record) {
  StationDatabase& db = ctx_.database();
  const bool list = IsStationList(w);
  EditMode mode = EditMode::kInsert;
  if (list) {
    const StationWindowState& s = ctx_.station_windows().state(w);
    const std::optional<ListInsert> how =
        StationListInsert(s.lines, s.selected, after, w == StationWindow::kUtility);
    if (!how) return false;
    mode = how->mode;
    // Above a utility heading the record is the first station's below it.
    if (how->row != s.selected) {
      const WhatVariant v = w == StationWindow::kSwbc      ? WhatVariant::kSwbc
                            : w == StationWindow::kUtility ? WhatVariant::kUtility
                                                           : WhatVariant::kBcb;
      const auto& table = ctx_.query_results().What(v);
      if (how->row >= table.count()) return false;
      record = table[how->row].record;
      if (!db.HasRecord(record)) return false;
    }
    if (after) record = LastOfRun(db, record);
  }
  if (!RoomToInsert(db, list, ctx_.prompts())) return false;
  const std::optional<double> tuned =
      ctx_.radio().PowerOn ? std::optional<double>(ctx_.radio().RadioFreq) : std::nullopt;
  const std::optional<RecordForm> form = dialog_.Run(mode, FormFor(db, record, mode, tuned));
  if (!form) return false;
  return InsertRecordFrom(db, record, after, mode, *form, progress_) != 0;
}

}  // namespace r8
