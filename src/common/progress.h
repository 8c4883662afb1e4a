// The stepping and placement rules of the shared progress window; the window itself is in
// prog_bar_dialog.h.
#pragma once

#include <cstdint>
#include <optional>

namespace r8 {

class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  // Sets the bar to percent (0..100), shows "percent%" and repaints at once.
  virtual void ShowPercent(int percent) = 0;
};

// Redraws only at 0 and then when the percentage has moved on by at least step since the last
// drawing, so a long loop costs a handful of repaints. last is the caller's record of the last one.
void CheckPct(long long current, long long total, int step, std::int16_t& last,
              ProgressDisplay& display);

// The percentage CheckPct would draw: rounded to nearest, halves up, held to 0..100; an empty
// operation (total 0 or less) counts as complete.
int ProgressPercent(long long current, long long total);

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int bottom() const { return top + height; }
};

struct WindowPos {
  int x = 0;
  int y = 0;
};

// Centred horizontally; one pixel below the start-up banner while it shows, else centred.
WindowPos ProgressWindowPosition(const ScreenRect& screen, int width, int height,
                                 const std::optional<ScreenRect>& banner);

}  // namespace r8
