#include "database/demo_database.h"

#include <array>
#include <random>
#include <string_view>
#include <vector>

#include "database/database_files.h"

namespace r8 {
namespace {

// Frequencies (kHz) on which the emulated receiver has broadcast carriers: every hour has a
// station scheduled on each, so the front panel always has something to show there.
constexpr std::array<int, 21> kCarrierFreqs = {5950,  5975,  6005,  6070,  6155,  7205,  7325,
                                               7390,  9410,  9580,  9650,  9700,  9870,  11750,
                                               11955, 12095, 13650, 15400, 15575, 15780, 15800};

// Other broadcast frequencies across the bands, from the tropical bands to 11 m.
constexpr std::array<int, 24> kOtherFreqs = {
    2310, 2390, 3230,  3320,  3955,  4750,  4885,  5025,  6020,  6195,  7275,  7440,
    9535, 9765, 11620, 11880, 13710, 15120, 15325, 17770, 17895, 21470, 21630, 25820};

constexpr std::array<std::string_view, 32> kBroadcasters = {
    "Radio Kestrel Intl",    "Voice of Valdoria",   "Radio Marisol",
    "Northern Lights Radio", "Radio Tamarind",      "Voice of the Steppe",
    "Radio Caledon Intl",    "Radio Orinoco Libre", "Pacific Beacon",
    "Radio Sahel Inter",     "Radio Adriatica",     "Voice of Meridia",
    "Radio Baltica",         "Trans-Andean Radio",  "Radio Himalaya Service",
    "Radio Zanzara",         "Radio Coral Sea",     "Voice of Arcadia",
    "Radio Nordkap",         "Radio Luzon Service", "Radio Atlas Maghreb",
    "Radio Pampas",          "Radio Kalahari",      "Voice of Tirania",
    "Radio Aurora Borealis", "Radio Danubia",       "Radio Sierra Verde",
    "Radio Mekong Intl",     "Radio Ionia",         "Radio Yukon Free",
    "Gospel Lighthouse",     "World Harmony Radio"};

constexpr std::array<std::string_view, 8> kTargets = {"Eu", "NA", "As", "Af",
                                                      "ME", "SA", "Oc", "CA"};

struct FixedEntry {
  std::string_view station;
  std::string_view code;  // "" for an all-day record
  int freq;
  std::string_view target;
};

constexpr std::array<FixedEntry, 8> kAllDayEntries = {{
    {"Radio Kestrel Intl", "", 9410, "Eu"},
    {"Radio Kestrel Intl", "", 12095, "Eu"},
    {"Radio Kestrel Intl", "", 15400, "Af"},
    {"Voice of Valdoria", "", 7325, "NA"},
    {"Voice of Valdoria", "", 9580, "Oc"},
    {"Gospel Lighthouse", "", 5975, "CA"},
    {"Gospel Lighthouse", "", 9870, "SA"},
    {"World Harmony Radio", "", 15575, "As"},
}};

constexpr std::array<FixedEntry, 17> kUtilityEntries = {{
    {"Time Signal Service", "TIME", 2500, "  "},
    {"Time Signal Service", "TIME", 5000, "  "},
    {"Time Signal Service", "TIME", 10000, "  "},
    {"Time Signal Service", "TIME", 15000, "  "},
    {"Ocean Weather Fax", "FAX ", 4610, "  "},
    {"Ocean Weather Fax", "FAX ", 8040, "  "},
    {"Ocean Weather Fax", "FAX ", 11086, "  "},
    {"Aero Volmet North", "VOLM", 3413, "  "},
    {"Aero Volmet North", "VOLM", 5505, "  "},
    {"Aero Volmet North", "VOLM", 8957, "  "},
    {"Coast Radio Meridia", "USB ", 6507, "  "},
    {"Coast Radio Meridia", "USB ", 13146, "  "},
    {"Metro Talk 1010", "BCB ", 1010, "  "},
    {"Harbour City AM", "BCB ", 640, "  "},
    {"Country Hits 1520", "BCB ", 1520, "  "},
    {"CB Emergency Channel 9", "CB  ", 27065, "  "},
    {"CB Highway Channel 19", "CB  ", 27185, "  "},
}};

std::uint16_t StationNumber(StationTable& stations, std::string_view name) {
  const std::uint16_t found = stations.Find(name);
  return found != 0 ? found : stations.Add(name);
}

ScheduleRecord Record(std::int16_t start, std::int16_t stop, std::uint8_t days,
                      std::uint16_t station, int freq, std::string_view target, bool heard) {
  ScheduleRecord r;
  r.StartTime = start;
  r.StopTime = stop;
  r.Days = days;
  r.StationIndex = station;
  r.Freq = freq;
  r.Target = {target[0], target[1]};
  r.Heard = heard ? 'T' : 'F';
  return r;
}

}  // namespace

void FillDemoDatabase(StationDatabase& db, std::uint32_t seed) {
  db.Clear();
  std::mt19937 rng(seed);
  const auto pick = [&rng](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
  StationTable& stations = db.stations();
  for (std::string_view name : kBroadcasters) stations.Add(name);

  for (int hour = 0; hour < 24; ++hour) {
    // Each carrier frequency goes to one broadcaster for the whole hour, every day, so the front
    // panel always has a station for it. Now and then a broadcaster adds a frequency off the
    // carriers, some of them from half past or only at weekends or on weekdays.
    std::vector<std::vector<int>> carriers_of(kBroadcasters.size());
    std::vector<int> extra_of(kBroadcasters.size(), 0);
    for (int f : kCarrierFreqs) carriers_of[pick(kBroadcasters.size())].push_back(f);
    for (int extra = 0; extra < 5; ++extra) {
      extra_of[pick(kBroadcasters.size())] = kOtherFreqs[pick(kOtherFreqs.size())];
    }
    const auto on_hour = static_cast<std::int16_t>(hour * 100);
    const auto stop = static_cast<std::int16_t>((hour + 1) * 100);
    for (std::size_t s = 0; s < kBroadcasters.size(); ++s) {
      const auto station = static_cast<std::uint16_t>(s + 1);
      const std::string_view target = kTargets[pick(kTargets.size())];
      for (int f : carriers_of[s]) {
        db.AppendRecord(Record(on_hour, stop, 0, station, f, target, pick(10) == 0));
      }
      if (extra_of[s] == 0) continue;
      // The first hour always starts on the hour, so the table starts at 0000.
      const bool half = hour > 0 && pick(3) == 0;
      const std::size_t days_kind = pick(3);
      const std::uint8_t days = days_kind == 0 ? 0x41 : (days_kind == 1 ? 0x3E : 0);
      db.AppendRecord(Record(static_cast<std::int16_t>(on_hour + (half ? 30 : 0)), stop, days,
                             station, extra_of[s], kTargets[pick(kTargets.size())], false));
    }
  }
  for (const FixedEntry& e : kAllDayEntries) {
    db.AppendRecord(
        Record(kAllDay, 0, 0, StationNumber(stations, e.station), e.freq, e.target, false));
  }
  for (const FixedEntry& e : kUtilityEntries) {
    ScheduleRecord r = UtilityRecord(e.code);
    const ScheduleRecord filled = Record(
        r.StartTime, r.StopTime, 0, StationNumber(stations, e.station), e.freq, e.target, false);
    db.AppendRecord(filled);
  }
  db.BuildHourIndex();
  db.SetDatabaseChanged(0);
}

bool WriteDemoDatabase(const std::filesystem::path& folder, std::string& error,
                       std::uint32_t seed) {
  StationDatabase db;
  FillDemoDatabase(db, seed);
  const SaveResult saved = SaveDatabaseFiles(folder, db, nullptr);
  error = saved.error;
  return saved.ok;
}

}  // namespace r8
