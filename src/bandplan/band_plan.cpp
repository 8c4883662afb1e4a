#include "bandplan/band_plan.h"

#include <algorithm>
#include <cmath>

#include "app/app_context.h"
#include "common/format.h"
#include "settings/settings.h"

namespace r8 {
namespace {

constexpr std::string_view kWindowsSection = "WINDOWS";

int Inches(double inches, int ppi) { return static_cast<int>(std::lround(inches * ppi)); }

}  // namespace

std::string BandStatusText(const BandRow& row, int column) {
  std::string name = TrimStr(row.name);
  if (name == "LW") name = "LW bc";
  if (name == "BCB") name = "AM bc";
  return std::string("Double-click to ") + (column == 0 ? "scan" : "tune") + " the " + name +
         " band";
}

BandClick BandLstDblClick(AppContext& ctx, const BandRow& row, int column) {
  const RadioState& r = ctx.radio();
  // A scan already running would take the tuning back at its next step, and the scan button
  // would stop it rather than start the band's.
  if (!r.PowerOn || r.ScanState == ScanStateCode::kReceiverScan || ctx.scan().active)
    return BandClick::kIgnored;
  if (column == 1 || column == 2) {
    ctx.control().TuneRadio(column == 1 ? row.lower : row.upper);
    ctx.commands().Post(AppCommand::kRefresh);
    return BandClick::kTuned;
  }
  if (column != 0 && column != 3) return BandClick::kIgnored;
  // The scan runs from VFO A to VFO B: start on A so the lower edge lands there.
  if (r.VFO == VfoCode::kB) ctx.commands().Post(AppCommand::kVfoSwitch);
  for (const int edge : {row.lower, row.upper}) {
    ctx.control().TuneRadio(edge);
    ctx.commands().Post(AppCommand::kVfoSwitch);
  }
  Settings& s = ctx.settings();
  s.scan_mode = 3;  // A-B
  s.scan_type = 2;  // Time
  ctx.commands().Post(AppCommand::kScanButton);
  return BandClick::kScanned;
}

BandPlanGeometry BandPlanGeometryFor(int ppi) {
  BandPlanGeometry g;
  g.width = Inches(2.125, ppi);
  g.row_height = Inches(16.0 / 96.0, ppi);
  // Four characters of name, five digits per edge and the letter, each with a margin either side;
  // what is left of the width is the scroll bar's.
  g.columns = {Inches(0.5, ppi), Inches(0.52, ppi), Inches(0.52, ppi), Inches(0.3, ppi)};
  return g;
}

int BandPlanHeight(std::optional<int> stored, int ppi, int screen_height) {
  if (!stored || *stored <= 0) return Inches(2.052, ppi);
  // Room for the tabs, the header, a row or two and the status line.
  const int minimum = Inches(1.0, ppi);
  return std::clamp(*stored, minimum, std::max(minimum, screen_height));
}

std::optional<int> ReadBandPlanHeight(ProfileFile& f) {
  const std::optional<std::string> text = f.Find(kWindowsSection, "BANDPLANY");
  if (!text) return std::nullopt;
  const std::optional<long long> v = ParseLeadingInt(*text);
  if (!v || *v > 1'000'000 || *v < -1'000'000) return std::nullopt;
  return static_cast<int>(*v);
}

bool WriteBandPlanSize(ProfileFile& f, int width, int height) {
  ProfileFile::Batch batch(f);
  WriteIntSetting(f, kWindowsSection, "BANDPLANX", width, 1);
  WriteIntSetting(f, kWindowsSection, "BANDPLANY", height, 1);
  return batch.Finish();
}

}  // namespace r8
