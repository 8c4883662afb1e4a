#include "companion/set_swap.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "common/file_commit.h"
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

// recovered: an interrupted change was put right first, so files did change.
CompanionReport Fail(CompanionReport report, const std::string& why, bool recovered) {
  report.text += why + (recovered ? "\nThe swap was not made.\n" : "\nNothing was changed.\n");
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
  const bool recovered = RecoverCommit(
      {active.stations, active.schedule, src.stations, src.schedule, skd.stations, skd.schedule});
  if (recovered) report.text += "A change stopped half way before was put right first.\n";
  auto fail = [&](const std::string& why) { return Fail(report, why, recovered); };
  const std::optional<std::string> schedule = Read(active.schedule);
  const std::optional<std::string> stations = Read(active.stations);
  if (!schedule || !stations) {
    return fail("The active set (SWBCGIDE.DAT with STATIONS.DAT) cannot be read in " +
                folder.string() + ".");
  }
  const bool has_src = Exists(src.schedule);
  const bool has_skd = Exists(skd.schedule);
  if (!has_src && !has_skd) {
    return fail(
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
    return fail(
        "Both SWBCGIDE.SRC and SWBCGIDE.SKD exist, so it is not clear which one is the "
        "inactive set. Move one of them, with its STATIONS file, out of the folder.");
  }
  const SetFiles& in = has_skd ? skd : src;
  const SetFiles& out = has_skd ? src : skd;
  const std::optional<std::string> in_schedule = Read(in.schedule);
  const std::optional<std::string> in_stations = Read(in.stations);
  if (!in_schedule || !in_stations) {
    return fail(in.schedule_name + " cannot be swapped in without its station names in " +
                in.stations_name + ", which cannot be read.");
  }
  // An earlier way of swapping, stopped half way, could leave a copy of the active names there
  // alone; that copy is no one's and goes.
  if (Exists(out.stations) && Read(out.stations) == stations) {
    std::error_code ec;
    fs::remove(out.stations, ec);
    report.text +=
        "A leftover copy of the active station names (" + out.stations_name + ") was removed.\n";
  }
  if (Exists(out.stations)) {
    return fail(out.stations_name + " exists without " + out.schedule_name +
                "; the active set's names would overwrite it. Move it out of the "
                "folder first.");
  }
  std::string error;
  // One change: the four files written and the set that came in removed, so a kill at any
  // point leaves either the sets as they were or the swap made.
  if (!CommitFiles({{active.stations, *in_stations},
                    {active.schedule, *in_schedule},
                    {out.stations, *stations},
                    {out.schedule, *schedule}},
                   error, {in.stations, in.schedule})) {
    return fail(error);
  }
  report.text += "The schedule sets were swapped: the set from " + in.schedule_name + " and " +
                 in.stations_name + " is now active; the set that was active is now in " +
                 out.schedule_name + " and " + out.stations_name +
                 ".\nOpen the database in the program (File, Open database) to use it.\n";
  return report;
}

}  // namespace r8
