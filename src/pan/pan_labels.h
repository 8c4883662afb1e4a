// The band map over the sweep: above each peak, the stations the database has on that frequency
// at the present hour and weekday. Labels never overlap each other and stay inside the graph
// (so never over the scale beside it); one that does not fit is left out.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "pan/pan_sweep.h"

namespace r8 {

class AppContext;
struct QueryResults;

// A peak is a run of equal readings higher than the readings either side, at least this level
// (S3: clear of the noise floor). Only the strongest few get asked about.
inline constexpr int kPeakFloor = 17;
inline constexpr std::size_t kMaxPeaks = 40;
// Pixels between a label and its peak, and kept free around each label.
inline constexpr int kLabelGap = 3;

struct PanPeak {
  double freq = 0.0;
  int level = 0;
};

// Strongest first; a plateau counts once, at its middle point.
std::vector<PanPeak> FindPeaks(const PanSweep& sweep);

struct PeakStations {
  PanPeak peak;
  std::vector<std::string> names;  // none: no label
};

struct PanLabel {
  std::string text;
  int x = 0, y = 0, w = 0, h = 0;  // the box, in the graph's pixels
};

// Strongest peak first: all names joined by " / ", else the first name alone, centred over the
// peak and moved inside the graph; a box that would leave the graph or touch a placed one is
// hidden.
std::vector<PanLabel> LayoutPeakLabels(const PanSweep& sweep,
                                       const std::vector<PeakStations>& peaks, int w, int h,
                                       const std::function<int(std::string_view)>& text_width,
                                       int line_height);

// The names of the stations on the air now on a frequency, from the faceplate's query ("who is
// on now"), run on tables of its own so the faceplate's list keeps its rows.
class StationsOnAir {
 public:
  explicit StationsOnAir(AppContext& ctx);
  ~StationsOnAir();
  std::vector<std::string> At(double khz);
  std::vector<PeakStations> ForPeaks(const std::vector<PanPeak>& peaks);

 private:
  AppContext& ctx_;
  std::unique_ptr<QueryResults> results_;
};

}  // namespace r8
