#include "companion/schedule_conversion.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_map>

#include "common/file_commit.h"
#include "common/file_date.h"
#include "common/format.h"
#include "common/program_launcher.h"
#include "companion/single_byte_text.h"
#include "database/database_files.h"
#include "settings/profile_file.h"
#include "settings/settings.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

constexpr long kMaxDistributionKhz = 32767;
constexpr std::size_t kErrorsShown = 20;

void PutWord(RecordBytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutText(RecordBytes& b, std::size_t at, std::string_view text4) {
  for (std::size_t k = 0; k < 4; ++k) b[at + k] = static_cast<std::uint8_t>(text4[k]);
}

std::string Key(const DumpRecord& d, bool with_days) {
  std::string key = d.name;
  key += static_cast<char>(d.record.StartTime & 0xFF);
  key += static_cast<char>(d.record.StartTime >> 8);
  key += static_cast<char>(d.record.StopTime & 0xFF);
  key += static_cast<char>(d.record.StopTime >> 8);
  if (with_days) key += static_cast<char>(d.record.Days);
  return key;
}

// Orders by hour bucket; inside a bucket the records of one station at one time come together
// (where it first appears), those with the same days together within that, then file order. A
// dump of a table already in that order comes back unchanged.
std::vector<std::size_t> BucketOrder(const std::vector<DumpRecord>& records) {
  std::unordered_map<std::string, int> group_rank;
  std::unordered_map<std::string, int> days_rank;
  using SortKey = std::tuple<int, int, int, std::size_t>;
  std::vector<SortKey> keys;
  keys.reserve(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const int g = group_rank.try_emplace(Key(records[i], false), group_rank.size()).first->second;
    const int d = days_rank.try_emplace(Key(records[i], true), days_rank.size()).first->second;
    keys.emplace_back(BucketOf(records[i].record), g, d, i);
  }
  std::sort(keys.begin(), keys.end());
  std::vector<std::size_t> order;
  order.reserve(keys.size());
  for (const SortKey& k : keys) order.push_back(std::get<3>(k));
  return order;
}

// Why the dump does not fit the tables, or empty. Counted in file order, so the report can name
// the line from which on nothing fits.
std::string CapacityProblem(const std::vector<DumpRecord>& records) {
  std::string problem;
  if (records.size() > static_cast<std::size_t>(kMaxRecords)) {
    problem += "SKEDULE.TXT holds " + GroupedNumber(static_cast<long long>(records.size())) +
               " records; the database holds " + std::to_string(kMaxRecords) + ". The " +
               GroupedNumber(static_cast<long long>(records.size()) - kMaxRecords) +
               " records from line " + std::to_string(records[kMaxRecords].line) +
               " on do not fit.\n";
  }
  std::unordered_map<std::string, int> names;
  int first_over = 0;
  for (const DumpRecord& d : records) {
    if (names.try_emplace(d.name, 0).second &&
        names.size() == static_cast<std::size_t>(kMaxStations) + 1) {
      first_over = d.line;
    }
  }
  if (names.size() > static_cast<std::size_t>(kMaxStations)) {
    problem += "SKEDULE.TXT names " + GroupedNumber(static_cast<long long>(names.size())) +
               " stations; the database holds " + std::to_string(kMaxStations) +
               ". The first station that does not fit is on line " + std::to_string(first_over) +
               ".\n";
  }
  return problem;
}

}  // namespace

RecordBytes EncodeDistributionRecord(const ScheduleRecord& r) {
  RecordBytes b{};
  if (IsUtility(r)) {
    PutText(b, 0, "Util");
    PutText(b, 4, UtilityCode(r));
  } else if (r.StartTime == kAllDay) {
    PutText(b, 0, "24hr");
    PutText(b, 4, "    ");
  } else {
    PutText(b, 0, IntToTime4(r.StartTime));
    PutText(b, 4, IntToTime4(r.StopTime));
  }
  b[8] = r.Days;
  PutWord(b, 9, r.StationIndex);
  PutWord(b, 11, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(r.Freq))));
  b[13] = static_cast<std::uint8_t>(r.Target[0]);
  b[14] = static_cast<std::uint8_t>(r.Target[1]);
  b[15] = static_cast<std::uint8_t>(r.Heard);
  return b;
}

std::string EncodeDistributionSchedule(const StationDatabase& db) {
  std::string out;
  out.reserve(static_cast<std::size_t>(db.count()) * kScheduleRecordSize);
  for (const ScheduleRecord& r : db.records()) {
    const RecordBytes b = EncodeDistributionRecord(r);
    out.append(reinterpret_cast<const char*>(b.data()), b.size());
  }
  return out;
}

DumpConversion ConvertDumpText(std::string_view text) {
  DumpConversion out;
  if (text.find_first_not_of(" \r\n") == std::string_view::npos) {
    out.problem = "SKEDULE.TXT is empty: there is nothing to convert.\n";
    return out;
  }
  if (const std::string why = SingleByteTextProblem(text); !why.empty()) {
    out.problem = "SKEDULE.TXT cannot be read: " + why + ".\n";
    return out;
  }
  DumpContents contents = ReadDump(text);
  out.lines = contents.lines;
  out.errors = std::move(contents.errors);
  for (DumpRecord& d : contents.records) {
    const long khz = std::lround(d.record.Freq);
    if (khz < 1 || khz > kMaxDistributionKhz) {
      out.errors.push_back({d.line, "the frequency " + FormatFixed(d.record.Freq, 1) +
                                        " kHz cannot be stored: the database file holds 1 to " +
                                        std::to_string(kMaxDistributionKhz) + " kHz"});
      continue;
    }
    if (static_cast<double>(khz) != d.record.Freq) ++out.rounded;
    d.record.Freq = static_cast<double>(khz);
  }
  if (!out.errors.empty()) {
    std::stable_sort(
        out.errors.begin(), out.errors.end(),
        [](const DumpLineError& a, const DumpLineError& b) { return a.line < b.line; });
    std::size_t lines = 0;
    for (std::size_t i = 0; i < out.errors.size(); ++i) {
      if (i == 0 || out.errors[i].line != out.errors[i - 1].line) ++lines;
    }
    out.problem = GroupedNumber(static_cast<long long>(lines)) + (lines == 1 ? " line" : " lines") +
                  " of SKEDULE.TXT could not be read:\n";
    return out;
  }
  out.problem = CapacityProblem(contents.records);
  if (!out.problem.empty()) return out;

  std::unordered_map<std::string, std::uint16_t> station_of;
  for (std::size_t i : BucketOrder(contents.records)) {
    const DumpRecord& d = contents.records[i];
    auto [it, added] = station_of.try_emplace(d.name, 0);
    if (added) it->second = out.db.stations().Add(d.name);
    ScheduleRecord r = d.record;
    r.StationIndex = it->second;
    out.db.AppendRecord(r);
  }
  out.db.BuildHourIndex();
  out.ok = true;
  return out;
}

std::string ListLineErrors(const std::vector<DumpLineError>& errors, std::size_t max) {
  std::string text;
  for (std::size_t i = 0; i < errors.size() && i < max; ++i) {
    text += "  line " + std::to_string(errors[i].line) + ": " + errors[i].reason + "\n";
  }
  if (errors.size() > max) {
    text += "  ... and " + GroupedNumber(static_cast<long long>(errors.size() - max)) + " more.\n";
  }
  return text;
}

namespace {

// The station names, the schedule bytes and the dump as one change, then the dump's date.
void WriteDatabaseAndDate(const fs::path& folder, const StationDatabase& db,
                          std::string schedule_bytes, const std::string* dump_text,
                          CompanionReport& report) {
  std::vector<FileToWrite> files;
  files.push_back({DatabaseFile(folder, kStationsFileName), EncodeStations(db.stations())});
  files.push_back({DatabaseFile(folder, kScheduleFileName), std::move(schedule_bytes)});
  const fs::path dump = DatabaseFile(folder, kDumpFileName);
  if (dump_text) files.push_back({dump, *dump_text});
  std::string error;
  if (!CommitFiles(files, error)) {
    report.text += error + "\nThe database files were not changed.\n";
    report.exit_code = kExitFailed;
    return;
  }
  report.database_written = true;
  // Without this the program's next load would find the dump newer than its last write and start
  // the conversion again, for ever.
  ProfileFile profile(DatabaseFile(folder, kSettingsFileName));
  const std::optional<std::uint32_t> date = GetFileDate(dump);
  if (!date || !WriteIntSetting(profile, kDatabaseSection, kFileDateKey,
                                static_cast<std::int32_t>(*date), 1)) {
    report.text +=
        "The database files were written, but the date of SKEDULE.TXT could not be "
        "stored in " +
        ExpandedPath(profile.path()) +
        " (section DATABASE, key FD): the program would hand SKEDULE.TXT over again at "
        "every load.\n";
    report.exit_code = kExitFailed;
  }
}

}  // namespace

void WriteConvertedDatabase(const fs::path& folder, const StationDatabase& db,
                            const std::string* dump_text, CompanionReport& report) {
  WriteDatabaseAndDate(folder, db, EncodeDistributionSchedule(db), dump_text, report);
}

void WriteSavedDatabase(const fs::path& folder, const StationDatabase& db,
                        const std::string* dump_text, CompanionReport& report) {
  WriteDatabaseAndDate(folder, db, EncodeSchedule(db), dump_text, report);
}

CompanionReport ConvertScheduleFile(const fs::path& folder) {
  CompanionReport report;
  report.title = "Convert schedule";
  const std::vector<fs::path> paths = {DatabaseFile(folder, kStationsFileName),
                                       DatabaseFile(folder, kScheduleFileName)};
  if (RecoverCommit(paths)) {
    report.text += "A conversion stopped half way before was put right first.\n";
  }
  const fs::path dump = DatabaseFile(folder, kDumpFileName);
  std::string text;
  std::error_code ec;
  if (!fs::is_regular_file(dump, ec) || !ReadWholeFile(dump, text)) {
    report.text += "SKEDULE.TXT cannot be read in " + ExpandedPath(folder) +
                   ": there is nothing to convert. The database files were not changed.\n";
    report.exit_code = kExitFailed;
    return report;
  }
  const DumpConversion conv = ConvertDumpText(text);
  if (!conv.ok) {
    report.text += "SKEDULE.TXT was not converted; the database files were not changed.\n\n" +
                   conv.problem + ListLineErrors(conv.errors, kErrorsShown);
    report.exit_code = kExitFailed;
    return report;
  }
  WriteConvertedDatabase(folder, conv.db, nullptr, report);
  if (!report.ok()) return report;
  report.text += "SKEDULE.TXT converted: " + GroupedNumber(conv.lines) + " lines gave " +
                 GroupedNumber(conv.db.count()) + " records of " +
                 GroupedNumber(static_cast<long long>(conv.db.stations().size())) +
                 " stations, written to SWBCGIDE.DAT and STATIONS.DAT.\n";
  if (conv.rounded > 0) {
    report.text += GroupedNumber(conv.rounded) +
                   " frequencies with a fraction of a kHz were rounded to whole kHz, as the "
                   "database file keeps them.\n";
  }
  report.text += "Open the database in the program (File, Open database) to use it.\n";
  return report;
}

}  // namespace r8
