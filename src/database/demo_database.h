// A realistic database for the demo and for benchmarks: a few hundred records of shortwave
// broadcasters between 2 and 26 MHz at every hour, with stations on the frequencies the emulated
// receiver hears carriers on, plus all-day, utility and BCB/CB records.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "database/station_database.h"

namespace r8 {

// Replaces db's contents; the same seed always gives the same database. The table is in bucket
// order and starts at 0000, and DatabaseChanged is 0.
void FillDemoDatabase(StationDatabase& db, std::uint32_t seed = 1);

// Writes the demo database in the saved form to folder. False with error set when it could not.
bool WriteDemoDatabase(const std::filesystem::path& folder, std::string& error,
                       std::uint32_t seed = 1);

}  // namespace r8
