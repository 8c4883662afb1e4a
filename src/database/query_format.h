// The texts of the query engine's lines and rows. Their widths are interfaces: the windows cut
// columns out of them at fixed positions, and the companion utility reads the dump back.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "database/schedule_record.h"

namespace r8 {

inline constexpr char kTab = '\t';
// Time range with the dash, days and station name, with their separators: the dump's first 43.
inline constexpr std::size_t kDumpHeaderWidth = 43;
inline constexpr int kDumpCellsPerLine = 4;
inline constexpr int kScheduleFreqColumns = 4;

// Kind 1: "1400-1500<TAB>smtwhfa<TAB> 9580.0<TAB>Eu".
std::string FindLine(const ScheduleRecord& r);
// Kind 3: "1400-1500<TAB>smtwhfa<TAB><name, 25><TAB>Eu".
std::string FacePlateLine(const ScheduleRecord& r, std::string_view name25);
// Kind 6: the front-panel line cut into characters 1..17 and 19..46.
std::array<std::string, 2> WhoCells(std::string_view face_plate_line);
// Kind 8: " Various <TAB>       <TAB> 9580.0<TAB>  ".
std::string UsageLine(double freq);
// Kind 2: "=======[1400-1500]=======", "=========[24hr]==========", "=========[FAX1]==========".
std::string WhatHeading(const ScheduleRecord& r);

// Kind 4 grid cells: column 0 of a group's first row and of a continuation row, and one frequency
// column, filled or empty.
std::string ScheduleGroupCell(const ScheduleRecord& r, std::string_view name25);
std::string ScheduleContinuationCell();
std::string ScheduleFreqCell(const ScheduleRecord& r);
std::string ScheduleEmptyFreqCell();

// Kind 5 and the dump: "1400-1500 smtwhfa <name, 25>", then 11-character cells " 9580.0Eu*".
std::string DumpHeader(const ScheduleRecord& r, std::string_view name25);
std::string DumpCell(const ScheduleRecord& r);

}  // namespace r8
