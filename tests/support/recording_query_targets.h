// The windows' side of the query engine for tests: lists, grids and text output that keep what
// they were given.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/query_targets.h"

namespace r8::testing {

class RecordingList : public ResultList {
 public:
  void InsertLine(int index, std::string_view text) override {
    lines.insert(lines.begin() + index, std::string(text));
  }
  int LineCount() const override { return static_cast<int>(lines.size()); }
  void Clear() override { lines.clear(); }
  std::vector<std::string> lines;
};

class RecordingGrid : public ResultGrid {
 public:
  void AddRow(std::span<const std::string> cells) override {
    rows.emplace_back(cells.begin(), cells.end());
  }
  int RowCount() const override { return static_cast<int>(rows.size()); }
  void Clear() override { rows.clear(); }
  std::vector<std::vector<std::string>> rows;
};

class RecordingText : public TextOutput {
 public:
  explicit RecordingText(bool is_file = true) : is_file_(is_file) {}
  bool IsFile() const override { return is_file_; }
  void WriteLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;

 private:
  bool is_file_;
};

// One list and one grid per window.
class RecordingTargets : public QueryTargets {
 public:
  ResultList* GetListBox(QueryTarget target) override { return &lists[target]; }
  ResultGrid* GetGridBox(QueryTarget target) override { return &grids[target]; }
  std::vector<std::string>& Lines(QueryTarget target) { return lists[target].lines; }
  std::vector<std::vector<std::string>>& Rows(QueryTarget target) { return grids[target].rows; }
  void ClearAll() {
    lists.clear();
    grids.clear();
  }

  std::map<QueryTarget, RecordingList> lists;
  std::map<QueryTarget, RecordingGrid> grids;
};

}  // namespace r8::testing
