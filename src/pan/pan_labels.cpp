#include "pan/pan_labels.h"

#include <algorithm>

#include "app/app_context.h"
#include "common/format.h"
#include "database/station_query.h"

namespace r8 {

std::vector<PanPeak> FindPeaks(const PanSweep& sweep) {
  const std::span<const SweepEntry> points = sweep.Points();
  std::vector<PanPeak> peaks;
  std::size_t i = 0;
  while (i < points.size()) {
    if (points[i].count <= 0) {
      ++i;
      continue;
    }
    std::size_t end = i;  // the run of equal readings i..end
    while (end + 1 < points.size() && points[end + 1].count > 0 &&
           points[end + 1].level == points[i].level) {
      ++end;
    }
    const int level = points[i].level;
    const bool above_left = i == 0 || points[i - 1].count <= 0 || points[i - 1].level < level;
    const bool above_right =
        end + 1 >= points.size() || points[end + 1].count <= 0 || points[end + 1].level < level;
    if (level >= kPeakFloor && above_left && above_right) {
      peaks.push_back({points[(i + end) / 2].freq, level});
    }
    i = end + 1;
  }
  std::stable_sort(peaks.begin(), peaks.end(),
                   [](const PanPeak& a, const PanPeak& b) { return a.level > b.level; });
  if (peaks.size() > kMaxPeaks) peaks.resize(kMaxPeaks);
  return peaks;
}

namespace {

bool Touches(const PanLabel& a, const PanLabel& b) {
  return a.x < b.x + b.w + kLabelGap && b.x < a.x + a.w + kLabelGap &&
         a.y < b.y + b.h + kLabelGap && b.y < a.y + a.h + kLabelGap;
}

}  // namespace

std::vector<PanLabel> LayoutPeakLabels(const PanSweep& sweep,
                                       const std::vector<PeakStations>& peaks, int w, int h,
                                       const std::function<int(std::string_view)>& text_width,
                                       int line_height) {
  std::vector<const PeakStations*> order;
  for (const PeakStations& p : peaks) order.push_back(&p);
  std::stable_sort(order.begin(), order.end(), [](const PeakStations* a, const PeakStations* b) {
    return a->peak.level > b->peak.level;
  });
  std::vector<PanLabel> placed;
  for (const PeakStations* pp : order) {
    const PeakStations& p = *pp;
    if (p.names.empty()) continue;
    std::string all = p.names.front();
    for (std::size_t i = 1; i < p.names.size(); ++i) all += " / " + p.names[i];
    const int peak_x = sweep.Freq2ScreenX(p.peak.freq, w);
    const int peak_y = Y2ScreenY(p.peak.level, kPanLevelMax, h);
    for (const std::string& text : {all, p.names.front()}) {
      PanLabel l{text, 0, peak_y - kLabelGap - line_height, text_width(text) + 4, line_height};
      l.x = std::clamp(peak_x - l.w / 2, 0, std::max(0, w - l.w));
      const bool inside = l.y >= 0 && l.x + l.w <= w;
      const bool free = std::none_of(placed.begin(), placed.end(),
                                     [&](const PanLabel& o) { return Touches(l, o); });
      if (inside && free) {
        placed.push_back(l);
        break;
      }
    }
  }
  return placed;
}

StationsOnAir::StationsOnAir(AppContext& ctx)
    : ctx_(ctx), results_(std::make_unique<QueryResults>()) {}

StationsOnAir::~StationsOnAir() = default;

std::vector<std::string> StationsOnAir::At(double khz) {
  QueryPorts ports;
  ports.clock = &ctx_.clock();
  ports.utc_offset_hours = UtcOffsetHours(ctx_.settings());
  const StationDatabase& db = ctx_.database();
  StationQuery(db, *results_, ports, QueryTarget::kFacePlate, QueryKind::kOnFrequency,
               FormatFixedWidth(khz, 8, 2));
  std::vector<std::string> names;
  for (const ResultEntry& row : results_->face_plate.rows()) {
    if (!db.HasRecord(row.record)) continue;
    std::string name = TrimStr(db.StationNameOf(db.Record(row.record)));
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) {
      names.push_back(std::move(name));
    }
  }
  return names;
}

std::vector<PeakStations> StationsOnAir::ForPeaks(const std::vector<PanPeak>& peaks) {
  std::vector<PeakStations> out;
  for (const PanPeak& p : peaks) out.push_back({p, At(p.freq)});
  return out;
}

}  // namespace r8
