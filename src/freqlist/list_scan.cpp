#include "freqlist/list_scan.h"

#include <algorithm>

#include "app/app_context.h"
#include "freqlist/list_tuning.h"
#include "scan/scan_controller.h"

namespace r8 {

namespace {
int CountSelected(const std::vector<bool>& selected) {
  return static_cast<int>(std::count(selected.begin(), selected.end(), true));
}
}  // namespace

std::optional<int> NextSelectedRow(int position, const std::vector<bool>& selected) {
  const int n = static_cast<int>(selected.size());
  if (n == 0) return std::nullopt;
  for (int i = 1; i <= n; ++i) {
    const int row = ((position + i) % n + n) % n;
    if (selected[static_cast<std::size_t>(row)]) return row;
  }
  return std::nullopt;
}

bool ListScan::active() const { return ctx_.scan().active && ctx_.scan().mode == kScanModeFreq; }

bool ListScan::StartOrStop(const std::vector<bool>& selected, int focused) {
  ScanStatus& scan = ctx_.scan();
  if (scan.active || CountSelected(selected) < 2) {
    Stop();
    return false;
  }
  scan.mode = kScanModeFreq;
  scan.active = true;
  scan.paused = false;
  scan.holding = false;
  ctx_.link().scan_active = true;
  position_ = focused;
  ctx_.events().scan_changed.Emit(true);
  return true;
}

void ListScan::Stop() {
  ScanStatus& scan = ctx_.scan();
  const bool was = scan.active;
  scan.active = scan.paused = scan.holding = false;
  ctx_.link().scan_active = false;
  if (was) ctx_.events().scan_changed.Emit(false);
  ctx_.commands().Post(AppCommand::kRefresh);
}

std::optional<int> ListScan::Step(const std::vector<bool>& selected,
                                  const std::vector<std::string>& rows) {
  if (!active()) return std::nullopt;
  if (CountSelected(selected) < 2) {
    Stop();
    return std::nullopt;
  }
  if (!ScanMayStep(ctx_)) return std::nullopt;
  const std::optional<int> next = NextSelectedRow(position_, selected);
  if (!next) return std::nullopt;
  position_ = *next;
  if (static_cast<std::size_t>(position_) < rows.size()) {
    TuneToListRow(ctx_, ListWindow::kFrequencyList, rows[static_cast<std::size_t>(position_)],
                  true);
  }
  if (AfterScanStep(ctx_)) Stop();
  return position_;
}

}  // namespace r8
