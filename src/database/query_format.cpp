#include "database/query_format.h"

#include "common/format.h"

namespace r8 {
namespace {

std::string TargetText(const ScheduleRecord& r) { return std::string(r.Target.data(), 2); }

// The bytes of s from 1-based position from to position to, as far as s reaches.
std::string Cut(std::string_view s, std::size_t from, std::size_t to) {
  if (from > s.size()) return std::string();
  return std::string(s.substr(from - 1, to - from + 1));
}

}  // namespace

std::string FindLine(const ScheduleRecord& r) {
  return TimeRangeText(r, true) + kTab + DaysText(r.Days) + kTab + FreqText7(r.Freq) + kTab +
         TargetText(r);
}

std::string FacePlateLine(const ScheduleRecord& r, std::string_view name25) {
  return TimeRangeText(r, true) + kTab + DaysText(r.Days) + kTab + std::string(name25) + kTab +
         TargetText(r);
}

std::array<std::string, 2> WhoCells(std::string_view face_plate_line) {
  return {Cut(face_plate_line, 1, 17), Cut(face_plate_line, 19, 46)};
}

std::string UsageLine(double freq) {
  return std::string(" Various ") + kTab + Spaces(7) + kTab + FreqText7(freq) + kTab + Spaces(2);
}

std::string WhatHeading(const ScheduleRecord& r) {
  if (r.StartTime == kAllDay) return EqualsRun(9) + "[24hr]" + EqualsRun(10);
  if (IsUtility(r)) return EqualsRun(9) + "[" + UtilityCode(r) + "]" + EqualsRun(10);
  return EqualsRun(7) + "[" + TimeRangeText(r, true) + "]" + EqualsRun(7);
}

std::string ScheduleGroupCell(const ScheduleRecord& r, std::string_view name25) {
  return TimeRangeText(r, true) + kTab + DaysText(r.Days) + kTab + std::string(name25);
}

std::string ScheduleContinuationCell() { return Spaces(9) + kTab + Spaces(7) + kTab + Spaces(25); }

std::string ScheduleFreqCell(const ScheduleRecord& r) {
  return std::string(1, kTab) + FreqText7(r.Freq) + kTab + TargetText(r);
}

std::string ScheduleEmptyFreqCell() { return std::string(1, kTab) + Spaces(7) + kTab + Spaces(2); }

std::string DumpHeader(const ScheduleRecord& r, std::string_view name25) {
  return TimeRangeText(r, true) + " " + DaysText(r.Days) + " " + std::string(name25);
}

std::string DumpCell(const ScheduleRecord& r) {
  return " " + FreqText7(r.Freq) + TargetText(r) + (IsHeard(r) ? "*" : " ");
}

}  // namespace r8
