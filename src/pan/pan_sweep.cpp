#include "pan/pan_sweep.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"

namespace r8 {
namespace {

// Far beyond any screen, yet safe to hand to a painter; also what a file's absurd values become.
constexpr double kPixelLimit = 1.0e6;

// Round((upper - lower) / step) without overflow; 0 for a step that is no number.
double RawPointCount(double lower, double upper, double step) {
  const double n = std::nearbyint((upper - lower) / step);
  return std::isfinite(n) ? n : 0.0;
}

}  // namespace

int PanRound(double v) {
  if (!std::isfinite(v)) return v < 0 ? -static_cast<int>(kPixelLimit) : static_cast<int>(kPixelLimit);
  return static_cast<int>(std::nearbyint(std::clamp(v, -kPixelLimit, kPixelLimit)));
}

int X2ScreenX(double x, double xmax, int w) {
  if (xmax == 0.0) return 0;
  return std::min(PanRound(x / xmax * w), w - 1);
}

int Y2ScreenY(double y, double ymax, int h) {
  if (ymax == 0.0) return 0;
  return std::min(PanRound((ymax - y) / ymax * h), h - 1);
}

int XScreen2X(int sx, double xmax, int w) { return w <= 0 ? 0 : PanRound(sx * xmax / w); }

int YScreen2Y(int sy, double ymax, int h) {
  return h <= 0 ? 0 : PanRound(ymax - PanRound(sy * ymax / h));
}

PanSweep::PanSweep() : table_(kSweepEntries) {}

void PanSweep::SetLimits(double lower, double upper) {
  lower_ = lower;
  upper_ = upper;
}

void PanSweep::SetStep(double step) { step_ = std::isfinite(step) ? step : 0.0; }

int PanSweep::PointCount() const {
  if (step_ == 0.0) return kPanEmptyPoints;
  const double n = RawPointCount(lower_, upper_, step_);
  return static_cast<int>(std::clamp(n, -1.0e9, 1.0e9));
}

void PanSweep::Clear() {
  std::fill(table_.begin(), table_.end(), SweepEntry{});
  thinned_ = false;
  if (step_ == 0.0) return;
  const double n = std::fabs(RawPointCount(lower_, upper_, step_));
  if (n <= kSweepEntries - 1) return;
  // Every k-th point of the scan's own grid, so the points stay on frequencies it tunes.
  const double k = std::ceil(n / (kSweepEntries - 1));
  double wide = step_ * k;
  // Rounding can leave it a point over; a little wider always fits, and the loop must end.
  for (int tries = 0; tries < 64 && std::fabs(RawPointCount(lower_, upper_, wide)) > kSweepEntries - 1;
       ++tries) {
    wide *= 1.0 + 1.0 / kSweepEntries;
  }
  step_ = wide;
  thinned_ = true;
}

std::optional<int> PanSweep::Freq2AryInx(double freq) const {
  if (step_ == 0.0) return std::nullopt;
  const double i = std::nearbyint((freq - lower_) / step_);
  const int n = std::min(PointCount(), kSweepEntries - 1);
  if (!(i >= 0.0 && i <= n)) return std::nullopt;
  return static_cast<int>(i);
}

int PanSweep::Freq2ScreenX(double freq, int w) const {
  const double span = upper_ - lower_;
  if (span == 0.0) return 0;
  return PanRound((freq - lower_) / span * w);
}

PanSegment PanSweep::Plot(double freq, int level) {
  PanSegment seg;
  seg.to = {freq, level};
  seg.jump = !(std::fabs(freq - previous_.freq) <= std::fabs(step_));
  seg.from = seg.jump ? seg.to : previous_;
  if (const std::optional<int> i = Freq2AryInx(freq)) {
    SweepEntry& e = table_[static_cast<std::size_t>(*i)];
    const int clamped = std::clamp(level, 0, kPanLevelMax);
    e.freq = freq;
    e.level = static_cast<std::int16_t>(PanRound((e.level * e.count + clamped) / (e.count + 1.0)));
    if (e.count < INT16_MAX) ++e.count;
    seg.stored = true;
  }
  previous_ = seg.to;
  return seg;
}

std::span<const SweepEntry> PanSweep::Points() const {
  const int n = std::min(PointCount(), kSweepEntries - 1);
  if (step_ == 0.0 || n < 0) return {};
  return std::span<const SweepEntry>(table_.data(), static_cast<std::size_t>(n) + 1);
}

double PanSweep::CursorFreq(int mouse_x, int w) const {
  if (step_ == 0.0) return 0.0;
  const int n = PointCount();
  if (n == 0) return lower_;
  const int i = XScreen2X(mouse_x, n, w);
  return lower_ + (upper_ - lower_) * i / n;
}

std::string PanFreqText(double khz) { return FormatFixedWidth(khz, 8, 2); }

int GridSpacing(int n, int w) {
  int d = n;
  for (int k = 0; k < 4 && w > 0; ++k) {
    if (static_cast<double>(d) / w > 0.25) d /= 10;
  }
  return d;
}

PanPicture ComputePanPicture(const PanSweep& sweep, int w, int h) {
  PanPicture p;
  if (w <= 0 || h <= 0) return p;
  for (int m = 0; m < kPanMarks; ++m) {
    const int y = Y2ScreenY(kPanLevels[m], kPanLevelMax, h);
    p.grid.push_back({0, y, w - 1, y, m >= kPanS9Mark ? 2 : 1});
    if (kPanLabels[m] == 0) continue;
    std::string text = kPanLabels[m] < 10 ? "S" + std::to_string(kPanLabels[m])
                                          : std::to_string(kPanLabels[m]);
    p.scale.push_back({text + "  ", y, m == kPanMarks - 1});
  }
  const int n = sweep.PointCount();
  const int d = GridSpacing(n, w);
  p.grid_spacing = d;
  const int bottom = Y2ScreenY(0, kPanLevelMax, h);
  const int top = Y2ScreenY(kPanLevelMax, kPanLevelMax, h);
  for (int k = 0; d > 0 && k <= d; ++k) {
    const int x = X2ScreenX(k, d, w);
    p.grid.push_back({x, bottom, x, top, 1});
  }
  const std::span<const SweepEntry> points = sweep.Points();
  std::vector<PanPixel>* run = nullptr;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const SweepEntry& e = points[i];
    if (e.count <= 0) {
      run = nullptr;
      continue;
    }
    if (!run) run = &p.trace_runs.emplace_back();
    run->push_back({sweep.Freq2ScreenX(e.freq, w), Y2ScreenY(e.level, kPanLevelMax, h)});
  }
  // A lone point has no line to its neighbours: nothing is drawn for it.
  std::erase_if(p.trace_runs, [](const std::vector<PanPixel>& r) { return r.size() < 2; });
  return p;
}

}  // namespace r8
