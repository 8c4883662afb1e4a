// Editing the station database from the windows that show it: the record dialog's modes and field
// rules, the check of what the user typed, and the table changes of mark, modify, rename, insert
// and delete. Every change stays in memory until the database is saved.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stations/station_window_rules.h"

namespace r8 {

class AppContext;
class ProgressBox;
class StationDatabase;
class UserPrompts;

// The record dialog's operations.
enum class EditMode : int {
  kModify = 1,            // frequency, target, Heard of a schedule record
  kInsert = 2,            // a copy of a record with a new frequency, target, Heard
  kDelete = 3,            // nothing editable
  kRename = 4,            // the station's name
  kInsertStation = 5,     // name, frequency, target, Heard at the record's times
  kInsertAtBoundary = 6,  // as 5 with the stop time (or utility code) typed as well
};

enum class EditField { kStop, kStation, kFreq, kTarget, kHeard, kOk };

struct ModeRules {
  std::string caption;            // "Modify Database Record" ...
  std::vector<EditField> fields;  // editable; start time and days never are
  EditField focus;
  int help_context;
  bool Editable(EditField f) const;
};
ModeRules RulesOf(EditMode mode);

// The dialog's fields.
struct RecordForm {
  std::string start;    // 4
  std::string stop;     // 4
  std::string days;     // 7
  std::string station;  // 25
  std::string freq;     // 7, as ValidateFreq gives it after the check
  std::string target;   // 2
  bool heard = false;
};

// What the dialog shows for record in mode; tuned_khz (the receiver is on) presets the frequency
// and Heard of the insert modes.
RecordForm FormFor(const StationDatabase& db, int record, EditMode mode,
                   std::optional<double> tuned_khz);

// OK: the fields trimmed and padded to their widths, the frequency checked; nullopt after the
// error box (the dialog then stays open).
std::optional<RecordForm> CheckForm(const RecordForm& form, EditMode mode, UserPrompts& prompts);

// The table changes. Each sets DatabaseChanged; inserts and deletes rebuild the hour index.
void MarkRecord(StationDatabase& db, int record);
void ModifyRecord(StationDatabase& db, int record, const RecordForm& form);
void RenameStation(StationDatabase& db, int record, const RecordForm& form);
// Inserts before (after = false) or after record; returns the new record's number, 0 when the
// tables are full.
int InsertRecordFrom(StationDatabase& db, int record, bool after, EditMode mode,
                     const RecordForm& form, ProgressBox* progress);
void DeleteScheduleRecord(StationDatabase& db, int record, ProgressBox* progress);

// "Insert below" in a station list goes after the run of records that follow record with the same
// station and stop time.
int LastOfRun(const StationDatabase& db, int record);

// A station list's insert on row of lines: the row whose record is taken and the mode; none for
// "Ch " rows, for a heading outside the utility list and past the end.
struct ListInsert {
  int row = 0;
  EditMode mode = EditMode::kInsertStation;
};
std::optional<ListInsert> StationListInsert(const std::vector<std::string>& lines, int row,
                                            bool below, bool utility);

// The full-table refusals; true when there is room (the warning was shown otherwise).
bool RoomToInsert(const StationDatabase& db, bool station_list, UserPrompts& prompts);

// The dialog as the editor sees it: the checked form, or nullopt for Cancel.
class RecordDialog {
 public:
  virtual ~RecordDialog() = default;
  virtual std::optional<RecordForm> Run(EditMode mode, const RecordForm& shown) = 0;
};

// The edit items of the station windows: action "mark", "modify", "insert_before",
// "insert_after" or "delete" on record, from window w. True when the tables changed; the open
// windows are then brought in step.
class RecordEditor {
 public:
  RecordEditor(AppContext& ctx, RecordDialog& dialog, ProgressBox* progress);
  bool Edit(StationWindow w, const std::string& action, int record);

 private:
  bool Insert(StationWindow w, bool after, int record);
  AppContext& ctx_;
  RecordDialog& dialog_;
  ProgressBox* progress_;
};

}  // namespace r8
