#include "companion/set_swap.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "companion/file_commit.h"
#include "database/database_files.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

struct SetFiles {
  fs::path schedule;
  fs::path stations;
  std::string schedule_name;
  std::string stations_name;
};

SetFiles Set(const fs::path& folder, std::string_view schedule, std::string_view stations) {
  return SetFiles{DatabaseFile(folder, schedule), DatabaseFile(folder, stations),
                  std::string(schedule), std::string(stations)};
}

bool Exists(const fs::path& p) {
  std::error_code ec;
  return fs::exists(p, ec);
}

std::optional<std::string> Read(const fs::path& p) {
  std::string bytes;
  if (!Exists(p) || !ReadWholeFile(p, bytes)) return std::nullopt;
  return bytes;
}

CompanionReport Fail(CompanionReport report, const std::string& why) {
  report.text += why + "\nNothing was changed.\n";
  report.exit_code = kExitFailed;
  return report;
}

// The copy an interrupted swap left behind: its schedule equals the active one, and its station
// names do too unless they were already removed.
bool IsLeftoverOf(const SetFiles& set, const std::string& schedule, const std::string& stations) {
  const std::optional<std::string> s = Read(set.schedule);
  if (!s || *s != schedule) return false;
  const std::optional<std::string> n = Read(set.stations);
  return !n || *n == stations;
}

// Station names first: a stop between the two removals still leaves a schedule file that marks
// the set as a leftover.
void RemoveSet(const SetFiles& set) {
  std::error_code ec;
  fs::remove(set.stations, ec);
  fs::remove(set.schedule, ec);
}

}  // namespace

CompanionReport SwapScheduleSets(const fs::path& folder) {
  CompanionReport report;
  report.title = "Swap schedule sets";
  const SetFiles active = Set(folder, kScheduleFileName, kStationsFileName);
  const SetFiles src = Set(folder, kSrcSetFileName, kStationsSrcFileName);
  const SetFiles skd = Set(folder, kSkdSetFileName, kStationsSkdFileName);
  if (RecoverCommit({active.stations, active.schedule, src.stations, src.schedule, skd.stations,
                     skd.schedule})) {
    report.text += "A swap stopped half way before was put right first.\n";
  }
  const std::optional<std::string> schedule = Read(active.schedule);
  const std::optional<std::string> stations = Read(active.stations);
  if (!schedule || !stations) {
    return Fail(report, "The active set (SWBCGIDE.DAT with STATIONS.DAT) cannot be read in " +
                            folder.string() + ".");
  }
  const bool has_src = Exists(src.schedule);
  const bool has_skd = Exists(skd.schedule);
  if (!has_src && !has_skd) {
    return Fail(report,
                "Neither SWBCGIDE.SRC nor SWBCGIDE.SKD exists: there is no inactive set to swap "
                "with.");
  }
  if (has_src && has_skd) {
    for (const SetFiles* set : {&src, &skd}) {
      if (!IsLeftoverOf(*set, *schedule, *stations)) continue;
      RemoveSet(*set);
      report.text +=
          "An earlier swap had stopped after the new set was in place; it is now "
          "finished (the leftover copy " +
          set->schedule_name + " was removed). The active set was not swapped again.\n";
      return report;
    }
    return Fail(report,
                "Both SWBCGIDE.SRC and SWBCGIDE.SKD exist, so it is not clear which one is the "
                "inactive set. Move one of them, with its STATIONS file, out of the folder.");
  }
  const SetFiles& in = has_skd ? skd : src;
  const SetFiles& out = has_skd ? src : skd;
  const std::optional<std::string> in_schedule = Read(in.schedule);
  const std::optional<std::string> in_stations = Read(in.stations);
  if (!in_schedule || !in_stations) {
    return Fail(report, in.schedule_name + " cannot be swapped in without its station names in " +
                            in.stations_name + ", which cannot be read.");
  }
  if (Exists(out.stations)) {
    return Fail(report, out.stations_name + " exists without " + out.schedule_name +
                            "; the active set's names would overwrite it. Move it out of the "
                            "folder first.");
  }
  std::string error;
  if (!CommitFiles({{active.stations, *in_stations},
                    {active.schedule, *in_schedule},
                    {out.stations, *stations},
                    {out.schedule, *schedule}},
                   error)) {
    return Fail(report, error);
  }
  RemoveSet(in);
  report.text += "The schedule sets were swapped: the set from " + in.schedule_name + " and " +
                 in.stations_name + " is now active; the set that was active is now in " +
                 out.schedule_name + " and " + out.stations_name +
                 ".\nOpen the database in the program (File, Open database) to use it.\n";
  return report;
}

}  // namespace r8
