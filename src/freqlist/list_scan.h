// The frequency list's scan: the receiver tuned to one selected row after the other, always down
// the list and round again, with the faceplate scan's types and delay. It shares the one scan
// state of the program (mode "Freq").
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace r8 {

class AppContext;

// The next selected row after position, wrapping from the last row to row 0; nullopt when no row
// is selected.
std::optional<int> NextSelectedRow(int position, const std::vector<bool>& selected);

class ListScan {
 public:
  explicit ListScan(AppContext& ctx) : ctx_(ctx) {}

  // ScanSelected1Click: starts from the focused row when no scan runs and two or more rows are
  // selected; otherwise stops. True when a scan now runs.
  bool StartOrStop(const std::vector<bool>& selected, int focused);
  // Scanstop1Click: ends the scan and has the faceplate show it.
  void Stop();
  // One tick of the step timer over the list as it now is. Returns the row it tuned, if any.
  std::optional<int> Step(const std::vector<bool>& selected, const std::vector<std::string>& rows);

  bool active() const;
  int position() const { return position_; }

 private:
  AppContext& ctx_;
  int position_ = 0;
};

}  // namespace r8
