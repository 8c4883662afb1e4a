// How much of an EiBi season the front panel lists after an import:
//   eibi_coverage SEASON.csv [--database FOLDER] [AREAS ...]
// For each choice of target areas (default: all, Eu, Na) the season is imported into a scratch
// folder as quornute does and the database read back; then, for every broadcast hour of the
// season (one frequency, one clock hour, one station, on each day of the week it is on), the
// front panel's query "who is on this frequency now" is asked at the first minute of that hour
// the station is on, and the hour counts as listed when the station is among the answers. The
// share listed is printed for the fill order of the import and for the older "fewest records
// first". Broadcast hours are those of every line the import counts as a broadcast (jammers,
// digital transmissions, utility stations and single dates left out), to the chosen areas.
// With --database the database in FOLDER is measured instead (one made by an older import).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>

#include "common/format.h"
#include "companion/eibi_csv.h"
#include "companion/eibi_fields.h"
#include "companion/eibi_import.h"
#include "database/database_files.h"
#include "database/station_query.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDayLetters = "smtwhfa";  // Sunday first, as the day masks

// One broadcast hour: frequency in tenths of a kHz, day 0..6, hour, station (as the database
// keeps the name: trimmed, at most 25 characters).
using Hour = std::tuple<long, int, int, std::string>;

std::string DatabaseName(std::string_view station) {
  std::string name = r8::TrimStr(station);
  for (char& c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return r8::TrimStr(std::string_view(name).substr(0, r8::kStationNameLength));
}

// Every broadcast hour of the lines to areas, with the minute to ask at.
std::map<Hour, int> BroadcastHours(const r8::EibiTable& table, std::uint16_t areas) {
  std::map<Hour, int> hours;
  for (const r8::EibiRow& row : table.rows) {
    const std::optional<double> khz = r8::ParseDecimal(r8::TrimStr(row.khz));
    if (row.malformed || !khz || *khz < r8::kReceiverRange.low || *khz > r8::kReceiverRange.high) {
      continue;
    }
    const r8::EibiLineKind kind =
        r8::ClassifyEibiLine(row.station, row.language, row.target, row.persistence, row.days);
    const r8::EibiDays days = r8::ParseEibiDays(row.days);
    const std::optional<r8::EibiTimes> times = r8::ParseEibiTimes(r8::TrimStr(row.time));
    if (kind.utility || kind.jammer || kind.digital || !times ||
        days.kind == r8::EibiDayKind::kOneDate) {
      continue;
    }
    if (areas != r8::kAllAreas && (r8::AreasOfTarget(r8::MapEibiTarget(row.target)) & areas) == 0) {
      continue;
    }
    const std::string name = DatabaseName(row.station);
    if (name.empty()) continue;
    const long tenths = std::lround(*khz * 10.0);
    const std::vector<r8::HourPiece> pieces = times->all_day()
                                                  ? std::vector<r8::HourPiece>{}
                                                  : r8::SplitIntoHours(times->start, times->stop);
    for (int day = 0; day < 7; ++day) {
      if (days.kind == r8::EibiDayKind::kDays && (days.mask & (1u << day)) == 0) continue;
      const auto add = [&](int d, int hhmm) {
        auto [it, added] = hours.try_emplace(Hour{tenths, d % 7, hhmm / 100, name}, hhmm);
        if (!added) it->second = std::min(it->second, hhmm);
      };
      if (times->all_day()) {
        for (int h = 0; h < 24; ++h) add(day, h * 100 + 30);
      }
      for (const r8::HourPiece& p : pieces) add(p.next_day ? day + 1 : day, p.start);
    }
  }
  return hours;
}

struct Coverage {
  int records = 0;
  std::size_t stations = 0;
  std::size_t listed = 0;
  std::size_t hours = 0;
  double share() const { return hours == 0 ? 0.0 : 100.0 * listed / hours; }
};

// The database of an import of season into a scratch folder, as the program reads it.
bool Import(const fs::path& season, const r8::EibiImportOptions& options, r8::StationDatabase& db) {
  const fs::path scratch =
      fs::temp_directory_path() / ("r8-eibi-coverage-" + std::to_string(std::random_device{}()));
  fs::create_directories(scratch);
  const r8::CompanionReport report = r8::ImportEibiFile(scratch, season, options);
  const bool loaded =
      report.ok() && r8::LoadDatabaseFiles(scratch, db, nullptr).status == r8::LoadStatus::kLoaded;
  std::error_code ec;
  fs::remove_all(scratch, ec);
  if (!loaded) std::cerr << report.text;
  return loaded;
}

Coverage Measure(const r8::StationDatabase& db, const std::map<Hour, int>& hours) {
  Coverage c;
  c.records = db.count();
  c.stations = db.stations().size();
  c.hours = hours.size();
  // One query answers every station on that frequency at that minute.
  std::map<std::tuple<long, int, int>, std::set<std::string>> asked;
  auto results = std::make_unique<r8::QueryResults>();
  for (const auto& [hour, hhmm] : hours) {
    const auto& [tenths, day, h, name] = hour;
    auto [it, added] = asked.try_emplace({tenths, day, hhmm});
    if (added) {
      const std::string khz = r8::FormatFixed(static_cast<double>(tenths) / 10.0, 1);
      const std::string time = (hhmm < 1000 ? "0" : "") + std::string(hhmm < 100 ? "0" : "") +
                               std::string(hhmm < 10 ? "0" : "") + std::to_string(hhmm);
      r8::StationQuery(db, *results, r8::QueryPorts{}, r8::QueryTarget::kFacePlate,
                       r8::QueryKind::kOnFrequency, khz, time, kDayLetters[day]);
      for (const r8::ResultEntry& e : results->face_plate.rows()) {
        it->second.insert(r8::TrimStr(db.StationNameOf(db.Record(e.record))));
      }
    }
    if (it->second.count(name)) ++c.listed;
  }
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: eibi_coverage SEASON.csv [AREAS ...]   (AREAS such as \"all\", \"Eu\", "
                 "\"Na,Ca\"; default: all, Eu, Na)\n";
    return 2;
  }
  const fs::path season = argv[1];
  std::ifstream in(season, std::ios::binary);
  const std::string csv{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const r8::EibiTable table = r8::ReadEibiTable(csv);
  if (!table.problem.empty()) {
    std::cerr << season.string() << ": " << table.problem << '\n';
    return 1;
  }
  std::vector<std::string> choices(argv + 2, argv + argc);
  std::optional<fs::path> database;
  if (choices.size() >= 2 && choices[0] == "--database") {
    database = choices[1];
    choices.erase(choices.begin(), choices.begin() + 2);
  }
  if (choices.empty()) choices = {"all", "Eu", "Na"};
  r8::StationDatabase given;
  if (database &&
      r8::LoadDatabaseFiles(*database, given, nullptr).status != r8::LoadStatus::kLoaded) {
    std::cerr << "The database in " << database->string() << " cannot be read.\n";
    return 1;
  }
  std::cout << "areas    order                 records stations  broadcast hours listed\n";
  for (const std::string& choice : choices) {
    std::string error;
    const std::optional<std::uint16_t> areas = r8::ParseEibiAreas(choice, error);
    if (!areas) {
      std::cerr << error << '\n';
      return 2;
    }
    const std::map<Hour, int> hours = BroadcastHours(table, *areas);
    for (const bool fewest : {false, true}) {
      if (database && fewest) continue;
      r8::EibiImportOptions options;
      options.areas = *areas;
      options.fewest_records_first = fewest;
      r8::StationDatabase imported;
      if (!database && !Import(season, options, imported)) return 1;
      const Coverage c = Measure(database ? given : imported, hours);
      const char* order = database ? "(the database given)"
                          : fewest ? "fewest records first"
                                   : "this import's";
      std::cout << r8::PadRight(choice, 9) << r8::PadRight(order, 22)
                << r8::FormatIntWidth(c.records, 7) << ' '
                << r8::FormatIntWidth(static_cast<long long>(c.stations), 8) << "  "
                << r8::FormatIntWidth(static_cast<long long>(c.listed), 7) << " of "
                << r8::FormatIntWidth(static_cast<long long>(c.hours), 7) << "  "
                << r8::FormatFixed(c.share(), 1) << " %\n";
    }
  }
  return 0;
}
