// The pan display's sweep: signal level against frequency over the scan range, one table of 10000
// points, its running mean, and the arithmetic that turns it into pixels. No screen here: the
// window draws what ComputePanPicture gives it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace r8 {

inline constexpr int kSweepEntries = 10000;
inline constexpr int kPanLevelMax = 255;
// N while no sweep is set (pan step 0).
inline constexpr int kPanEmptyPoints = 100;
inline constexpr int kPanMarks = 15;
// Raw meter readings at the scale marks, and the scale's label numbers (0: no label).
inline constexpr std::array<int, kPanMarks> kPanLevels = {0,  6,   17,  33,  45,  58,  74, 89,
                                                          107, 127, 150, 179, 206, 231, 255};
inline constexpr std::array<int, kPanMarks> kPanLabels = {0, 0, 3, 0, 5, 0, 7, 0,
                                                          9, 0, 20, 0, 40, 0, 60};
// From the mark "S9" up the horizontal grid is drawn thicker.
inline constexpr int kPanS9Mark = 8;

struct SweepEntry {
  double freq = 0.0;
  std::int16_t level = 0;  // running mean of the readings, 0..255
  std::int16_t count = 0;  // readings taken; 0 = none
};

struct PanPoint {
  double freq = 0.0;
  int level = 0;
};

// What one reading draws: a line from `from` to `to`, or with `jump` only a move to `to` (a
// wrap or a tuning jump starts a new line instead of crossing the graph).
struct PanSegment {
  bool jump = false;
  PanPoint from;
  PanPoint to;
  bool stored = false;  // the reading landed in the table
};

// Rounding to the nearest integer, halves to the even one, kept inside a range pixels can use.
int PanRound(double v);
int X2ScreenX(double x, double xmax, int w);
int Y2ScreenY(double y, double ymax, int h);
int XScreen2X(int sx, double xmax, int w);
int YScreen2Y(int sy, double ymax, int h);

class PanSweep {
 public:
  PanSweep();

  double lower() const { return lower_; }
  double upper() const { return upper_; }
  double step() const { return step_; }
  void SetLimits(double lower, double upper);
  void SetStep(double step);
  bool has_sweep() const { return step_ != 0.0; }
  // Round((upper - lower) / step); 100 while the step is 0. Never above 9999 once Clear has run.
  int PointCount() const;

  // A new sweep over the limits: every entry 0, 0, 0. A sweep of more points than the table holds
  // is thinned: the step widens to the smallest multiple of itself that fits, so the whole range
  // is shown and the readings between two points are averaged into the nearer one.
  void Clear();
  // True when the last Clear had to widen the step.
  bool thinned() const { return thinned_; }

  // GraphDspPlot's arithmetic: the reading goes into the running mean of its point and becomes
  // the previous point. Readings outside points 0..N are drawn but not stored.
  PanSegment Plot(double freq, int level);
  const PanPoint& previous() const { return previous_; }
  void set_previous(const PanPoint& p) { previous_ = p; }

  // The sweep point of a frequency, when it is one of 0..N.
  std::optional<int> Freq2AryInx(double freq) const;
  int Freq2ScreenX(double freq, int w) const;
  // Entries 0..N (none when N is below 0, as after a zoom dragged leftwards).
  std::span<const SweepEntry> Points() const;
  const SweepEntry& Entry(int i) const { return table_[static_cast<std::size_t>(i)]; }

  // The frequency under the mouse, snapped to a sweep point (the cursor's value).
  double CursorFreq(int mouse_x, int w) const;

 private:
  double lower_ = 0.0;
  double upper_ = 0.0;
  double step_ = 0.0;
  bool thinned_ = false;
  PanPoint previous_;
  std::vector<SweepEntry> table_;
};

// "    0.00" style: 8 wide, 2 decimals.
std::string PanFreqText(double khz);

// What GraphDspPaint and LabelDspPaint draw, in the paint boxes' pixels.
struct PanLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  int width = 1;
};
struct PanPixel {
  int x = 0, y = 0;
};
struct PanScaleText {
  std::string text;  // "S9  "
  int y = 0;         // the mark's line
  bool top = false;  // placed with its top at y (the top mark) instead of centred on it
};
struct PanPicture {
  std::vector<PanLine> grid;                      // gray
  std::vector<std::vector<PanPixel>> trace_runs;  // lime; a gap between runs
  std::vector<PanScaleText> scale;
  int grid_spacing = 0;  // d: sweep points between vertical grid lines
};

int GridSpacing(int n, int w);
PanPicture ComputePanPicture(const PanSweep& sweep, int w, int h);

}  // namespace r8
