#include "common/progress.h"

#include <algorithm>

namespace r8 {

int ProgressPercent(long long current, long long total) {
  if (total <= 0) return 100;
  const long long c = std::clamp(current, 0LL, total);
  // Integer arithmetic: halves round up, with no floating-point surprises at the 5 % steps.
  return static_cast<int>((c * 200 + total) / (2 * total));
}

void CheckPct(long long current, long long total, int step, std::int16_t& last,
              ProgressDisplay& display) {
  const int p = ProgressPercent(current, total);
  if (p != 0 && p <= last + step - 1) return;
  display.ShowPercent(p);
  last = static_cast<std::int16_t>(p);
}

WindowPos ProgressWindowPosition(const ScreenRect& screen, int width, int height,
                                 const std::optional<ScreenRect>& banner) {
  WindowPos pos;
  pos.x = screen.left + (screen.width - width) / 2;
  pos.y = banner ? banner->bottom() + 1 : screen.top + (screen.height - height) / 2;
  return pos;
}

}  // namespace r8
