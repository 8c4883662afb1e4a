#include "pan/pan_file.h"

#include <cstdint>
#include <span>

#include "common/real48.h"

namespace r8 {
namespace {

void PutReal(std::string& out, double v) {
  const Real48Bytes b = DoubleToReal48(v);
  out.append(reinterpret_cast<const char*>(b.data()), b.size());
}

double GetReal(std::string_view bytes, std::size_t at) {
  Real48Bytes b{};
  for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(bytes[at + i]);
  return Real48ToDouble(b);
}

}  // namespace

std::string EncodePanFile(const PanSweep& sweep) {
  std::string out;
  const std::span<const SweepEntry> points = sweep.Points();
  out.reserve((points.size() + 2) * kPanRecordBytes);
  PutReal(out, sweep.lower());
  PutReal(out, sweep.upper());
  PutReal(out, sweep.step());
  PutReal(out, 0.0);
  for (const SweepEntry& e : points) {
    PutReal(out, e.count > 0 ? e.freq : 0.0);
    PutReal(out, e.count > 0 ? e.level : 0);
  }
  return out;
}

PanFileContents DecodePanFile(std::string_view bytes) {
  PanFileContents c;
  const std::size_t records = bytes.size() / kPanRecordBytes;
  c.partial_record = bytes.size() % kPanRecordBytes != 0;
  if (records > kPanMaxRecords) {
    c.too_large = true;
    return c;
  }
  for (std::size_t r = 0; r < records; ++r) {
    const double a = GetReal(bytes, r * kPanRecordBytes);
    const double b = GetReal(bytes, r * kPanRecordBytes + 6);
    if (r == 0) {
      c.lower = a;
      c.upper = b;
    } else if (r == 1) {
      c.step = a;
    } else {
      c.readings.push_back({a, PanRound(b)});
    }
  }
  return c;
}

}  // namespace r8
