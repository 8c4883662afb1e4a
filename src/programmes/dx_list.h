// The list of "Today's SWBC Programs": the guide's programmes from a start moment (now, or the
// preview's day and time) through the coming week, each under the heading of its own day, with the
// stations on the air now flagged, and the edits that rewrite one line of the guide.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/clock.h"
#include "programmes/dx_shows.h"

namespace r8 {

class AppContext;

inline constexpr int kDxRowCapacity = 150;

struct DxFilter {
  bool preview = false;
  std::string time;     // up to 4 characters, as the filter dialog stored it
  int day = 0;          // 0 "Daily", 1..7 Sunday..Saturday
  std::string program;  // trimmed
  std::string station;  // trimmed
  // Only a preview filters.
  bool active() const { return preview && (!program.empty() || !station.empty()); }
};

// The filter dialog's time as a start time: "" is 0000, "5" is 0500, "14" is 1400, "930" is 0930;
// none for anything that is then not a time hhmm.
std::optional<std::string> DxFilterStartTime(std::string_view text);

struct DxRow {
  std::string text;  // TAB-separated, or the day heading
  bool heading = false;
  bool heard = false;
  bool on_air = false;
  int line = 0;           // 1-based line of the file; 0 for headings
  std::string file_line;  // the line as it was read, to check that it is still there
};

// A line the list could not show as it stands.
struct DxNotice {
  int line = 0;
  DxLineProblem problem = DxLineProblem::kNone;
};

struct DxListView {
  std::string caption;
  std::vector<DxRow> rows;
  int selected = -1;  // the row to show, placed four rows below the top
  int start_day = 0;  // 0 Sunday .. 6 Saturday
  std::vector<DxNotice> notices;
};

// Fills the list from the file's lines. on_air: trimmed names of the stations on the air now.
DxListView FillDxList(const std::vector<DxFileLine>& lines, const DxFilter& filter,
                      const ClockReading& now, const std::vector<std::string>& on_air);

// The warning for the lines that were skipped or cut; empty when there are none.
std::string DxNoticeText(const std::vector<DxNotice>& notices);

// The guide and its list as the window uses them: the file in the data folder, the filter state,
// the last fill, and the edits, each a crash-safe rewrite of the whole file.
class DxPrograms {
 public:
  explicit DxPrograms(AppContext& ctx);

  // CMDXPrograms2: reads the file and fills the list; a missing file shows the launch-error box
  // and leaves the list empty; lines that cannot be listed are reported once per new set.
  const DxListView& Fill();
  const DxListView& view() const { return view_; }
  DxFilter& filter() { return filter_; }
  std::filesystem::path path() const;

  // Program rows take the edits; an empty list takes inserts as well.
  bool IsProgramRow(int row) const;
  bool CanInsert(int row) const;
  // The edit dialog's fields for a modify.
  DxEntry EntryOf(int row) const;

  // Double-click or Enter on a programme row: hands its station and time to the find window
  // (FindFreq(-1)). False on a heading.
  bool FindFrequencies(int row);
  // The status line for the selected row; empty on headings.
  std::string StatusText(int row) const;

  // Each edit rewrites the file, then refills. False when nothing was written (and why was said).
  bool Mark(int row);
  bool Modify(int row, const DxEntry& entry);
  bool Insert(int row, bool after, const DxEntry& entry);
  bool Delete(int row);

 private:
  // Replaces line row's line by replacement (none: deleted), or adds a line beside it.
  bool Rewrite(int row, const std::vector<std::string>& replacement);
  std::vector<std::string> OnAirNames();

  AppContext& ctx_;
  DxFilter filter_;
  DxListView view_;
  std::string last_notice_;
};

}  // namespace r8
