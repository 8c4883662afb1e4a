// Pan files (".PAN"): fixed 12-byte records of two six-byte reals. Record 0 holds the lower and
// upper limit, record 1 the pan step, and each further record one sweep point (frequency, level),
// 0 and 0 for a point without a reading.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pan/pan_sweep.h"

namespace r8 {

inline constexpr std::size_t kPanRecordBytes = 12;
// Two header records and the table's 10000 points: the largest file a sweep can make.
inline constexpr std::size_t kPanMaxRecords = 2 + kSweepEntries;

// Records 0 and 1, then points 0..N of the sweep ((N + 3) records).
std::string EncodePanFile(const PanSweep& sweep);

struct PanFileContents {
  std::optional<double> lower, upper;  // record 0
  std::optional<double> step;          // record 1
  std::vector<PanPoint> readings;      // records 2.. as read, levels rounded
  bool partial_record = false;         // the bytes end inside a record (it is left out)
  bool too_large = false;              // more records than a sweep has: nothing is read
};

PanFileContents DecodePanFile(std::string_view bytes);

}  // namespace r8
