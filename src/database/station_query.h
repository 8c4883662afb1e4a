// StationQuery: the one engine behind every question asked of the station database, from "what is
// on this frequency now" to the text dump.
#pragma once

#include <optional>
#include <string_view>

#include "common/clock.h"
#include "common/progress_box.h"
#include "database/query_results.h"
#include "database/query_targets.h"
#include "database/station_database.h"

namespace r8 {

enum class QueryKind {
  kFindNow = 1,        // a station's frequencies now (find window)
  kStationsNow = 2,    // stations on the air now (SWBC, utility or BCB/CB list, by target)
  kOnFrequency = 3,    // stations on the tuned frequency now (front panel)
  kFullSchedule = 4,   // a station's full schedule (grid)
  kPrintSchedule = 5,  // printed schedule or dump (text output)
  kWhoElse = 6,        // who else uses a frequency (grid)
  kOnAirNames = 7,     // names of the stations on the air now (programme guide)
  kFreqUsage = 8,      // a station's frequencies at any time (find window)
};

// Four spaces: evaluate at the present time.
inline constexpr std::string_view kTimeNow = "    ";

// Frequencies within this many kHz of the key match.
inline constexpr double kFreqTolerance = 0.205;

struct QueryPorts {
  QueryTargets* targets = nullptr;  // lists and grids; none: only the result tables are filled
  TextOutput* text = nullptr;       // kind 5
  ProgressBox* progress = nullptr;  // kinds 4, 5 and 8
  Clock* clock = nullptr;           // the present time; none: nothing is on the air now
  double utc_offset_hours = 0.0;    // the "TIME" setting
};

// Runs one query. key: a station name (kinds 1, 4, 5, 8; "*" prints everything in kind 5), a
// frequency in kHz as text (kinds 3, 6; a text that is not a number finds nothing), or empty.
// time: kTimeNow or hhmm. day: a space (today when time is kTimeNow, else every day) or one of
// "smtwhfa". The result table of the kind (of the variant, for kind 2) is reset first.
void StationQuery(const StationDatabase& db, QueryResults& results, const QueryPorts& ports,
                  QueryTarget target, QueryKind kind, std::string_view key,
                  std::string_view time = kTimeNow, char day = ' ');

// The kind 2 variant a window stands for; none for windows that are not station lists.
std::optional<WhatVariant> WhatVariantOf(QueryTarget target);

}  // namespace r8
