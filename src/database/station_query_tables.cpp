// The whole-table kinds of the query engine: full schedule, printed schedule and dump, who else
// uses a frequency, and frequency usage.
#include <array>
#include <string>

#include "common/format.h"
#include "database/query_format.h"
#include "database/station_query_internal.h"

namespace r8::query_internal {
namespace {

// Records that follow each other with equal times, days and station name form a group. "Follow"
// means among the records the key selects.
class GroupTracker {
 public:
  bool SameGroup(const ScheduleRecord& r, const std::string& name) const {
    return prev_ && r.StartTime == prev_->StartTime && r.StopTime == prev_->StopTime &&
           r.Days == prev_->Days && name == *prev_name_;
  }
  void Remember(const ScheduleRecord& r, const std::string& name) {
    prev_ = &r;
    prev_name_ = &name;
  }

 private:
  const ScheduleRecord* prev_ = nullptr;
  const std::string* prev_name_ = nullptr;
};

class SearchProgress {
 public:
  SearchProgress(ProgressBox* box, int total)
      : scope_(box, "Searching Database", "Searching..."), total_(total) {}
  void Step(int done) { scope_.Step(done, total_); }

 private:
  ProgressScope scope_;
  int total_;
};

// The dump layout: a group's line carries four cells; the fifth record of a group starts a
// continuation line of 43 spaces. A full line is written at once, so the output ends with an empty
// line when its last line was full.
class DumpWriter {
 public:
  explicit DumpWriter(TextOutput* out) : out_(out) {}

  void Add(const ScheduleRecord& r, const std::string& name, bool same_group) {
    if (!same_group) {
      if (!line_.empty()) Write();
      line_ = DumpHeader(r, name);
      cells_ = 0;
    } else if (line_.empty()) {
      line_ = Spaces(static_cast<int>(kDumpHeaderWidth));
    }
    line_ += DumpCell(r);
    if (++cells_ == kDumpCellsPerLine) {
      Write();
      cells_ = 0;
    }
    any_ = true;
  }

  void Finish() {
    if (any_) Write();
  }

 private:
  void Write() {
    if (out_) out_->WriteLine(line_);
    line_.clear();
  }

  TextOutput* out_;
  std::string line_;
  int cells_ = 0;
  bool any_ = false;
};

}  // namespace

void RunFullSchedule(Query& q) {
  auto& rows = q.results.schedule;
  const UpperNames upper(q.db.stations());
  SearchProgress progress(q.ports.progress, q.db.count());
  GroupTracker group;
  // False while the records of a group have no row to go into (the table filled up).
  bool row_open = false;
  for (int i = 1; i <= q.db.count(); ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    progress.Step(i);
    if (!Contains(upper.Of(r), q.key)) continue;
    const std::string& name = q.db.stations().Name(r.StationIndex);
    const bool same = group.SameGroup(r, name);
    group.Remember(r, name);
    if (same && row_open && rows[rows.count() - 1].freq_count < kScheduleFreqColumns) {
      ScheduleRow& row = rows[rows.count() - 1];
      row.records[row.freq_count++] = static_cast<std::uint16_t>(i);
      continue;
    }
    if (!same) row_open = false;
    ScheduleRow row;
    row.group_start = same ? 0 : 1;
    row.freq_count = 1;
    row.records[0] = static_cast<std::uint16_t>(i);
    row_open = rows.Append(row);
  }

  ResultGrid* grid = q.Grid();
  if (!grid) return;
  for (const ScheduleRow& row : rows.rows()) {
    const ScheduleRecord& first = q.db.Record(row.records[0]);
    std::array<std::string, 1 + kScheduleFreqColumns> cells;
    cells[0] = row.group_start ? ScheduleGroupCell(first, q.db.stations().Name(first.StationIndex))
                               : ScheduleContinuationCell();
    for (int c = 0; c < kScheduleFreqColumns; ++c) {
      cells[static_cast<std::size_t>(c + 1)] =
          c < row.freq_count
              ? ScheduleFreqCell(q.db.Record(row.records[static_cast<std::size_t>(c)]))
              : ScheduleEmptyFreqCell();
    }
    grid->AddRow(cells);
  }
}

void RunPrintSchedule(Query& q) {
  TextOutput* out = q.ports.text;
  if (!out) return;
  // Every record, whatever its name: a 25-character name without a space would not contain the
  // single space the key "*" used to stand for, and the dump is what the database is rebuilt from.
  const bool all = q.key == "*";
  if (all && !out->IsFile()) return;
  const UpperNames upper(q.db.stations());
  SearchProgress progress(q.ports.progress, q.db.count());
  GroupTracker group;
  DumpWriter writer(out);
  for (int i = 1; i <= q.db.count(); ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    progress.Step(i);
    if (!all && !Contains(upper.Of(r), q.key)) continue;
    const std::string& name = q.db.stations().Name(r.StationIndex);
    const bool same = group.SameGroup(r, name);
    group.Remember(r, name);
    writer.Add(r, name, same);
  }
  writer.Finish();
}

void RunWhoElse(Query& q) {
  auto& table = q.results.who;
  ResultGrid* grid = q.Grid();
  for (int i = 1; i <= q.db.count() && !table.full(); ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    if (!q.FreqTest(r)) continue;
    table.Append(
        ResultEntry{static_cast<std::uint16_t>(i), IsHeard(r) ? std::uint8_t{1} : std::uint8_t{0}});
    if (grid) {
      const auto cells = WhoCells(FacePlateLine(r, q.db.stations().Name(r.StationIndex)));
      grid->AddRow(cells);
    }
  }
}

void RunFreqUsage(Query& q) {
  auto& table = q.results.find;
  ResultList* list = q.List();
  const UpperNames upper(q.db.stations());
  SearchProgress progress(q.ports.progress, q.db.count());
  for (int i = 1; i <= q.db.count(); ++i) {
    const ScheduleRecord& r = q.db.Record(i);
    progress.Step(i);
    if (table.full() || !Contains(upper.Of(r), q.key)) continue;
    // One line per distinct frequency, kept in ascending order.
    int at = 0;
    bool equal = false;
    for (; at < table.count(); ++at) {
      const double f = q.db.Record(table[at].record).Freq;
      if (f == r.Freq) {
        equal = true;
        break;
      }
      if (f > r.Freq) break;
    }
    if (equal) {
      if (IsHeard(r)) table[at].flag = 1;
      continue;
    }
    table.Insert(at, ResultEntry{static_cast<std::uint16_t>(i),
                                 IsHeard(r) ? std::uint8_t{1} : std::uint8_t{0}});
    if (list) list->InsertLine(at, UsageLine(r.Freq));
  }
}

}  // namespace r8::query_internal
