// Where the query engine writes its lines and rows. The windows implement these; the engine reaches
// a window's list or grid through GetListBox / GetGridBox, as the main window maps them.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace r8 {

enum class QueryTarget {
  kNone,
  kFacePlate,      // the front panel's station list (kind 3)
  kFindWindow,     // kinds 1 and 8
  kSwbcList,       // kind 2, the SWBC variant
  kUtilityList,    // kind 2, the utility variant
  kBcbList,        // kind 2, the BCB/CB variant
  kFullSchedule,   // kind 4
  kOtherStations,  // kind 6
  kTextOutput,     // kind 5
};

// A list box: TAB-separated lines.
class ResultList {
 public:
  virtual ~ResultList() = default;
  // Inserts before line index (0-based); index == LineCount() appends.
  virtual void InsertLine(int index, std::string_view text) = 0;
  virtual int LineCount() const = 0;
  virtual void Clear() = 0;
};

// A string grid, filled row by row.
class ResultGrid {
 public:
  virtual ~ResultGrid() = default;
  virtual void AddRow(std::span<const std::string> cells) = 0;
  virtual int RowCount() const = 0;
  virtual void Clear() = 0;
};

// The printed schedule and the dump: lines without their line ends.
class TextOutput {
 public:
  virtual ~TextOutput() = default;
  // A file gets the dump of "*"; the printer does not.
  virtual bool IsFile() const = 0;
  virtual void WriteLine(std::string_view line) = 0;
};

class QueryTargets {
 public:
  virtual ~QueryTargets() = default;
  // Null when the window has no list (or grid), or is not open.
  virtual ResultList* GetListBox(QueryTarget target) = 0;
  virtual ResultGrid* GetGridBox(QueryTarget target) = 0;
};

}  // namespace r8
