// The EiBi import with its files: the report, the list of lines not imported, and the one
// conversion path through " /t".
#include <system_error>

#include "common/file_commit.h"
#include "common/format.h"
#include "common/program_launcher.h"
#include "companion/eibi_csv.h"
#include "companion/eibi_import.h"
#include "companion/schedule_conversion.h"
#include "companion/single_byte_text.h"
#include "database/database_files.h"
#include "settings/settings.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLinesShown = 8;

std::string N(long long n) { return GroupedNumber(n); }

// "1 line", "9,391 lines".
std::string Count(long long n, std::string_view thing) {
  return N(n) + " " + std::string(thing) + (n == 1 ? "" : "s");
}

std::string LineNumbers(const std::vector<int>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size() && i < kLinesShown; ++i) {
    text += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
  }
  if (lines.size() > kLinesShown) text += ", ...";
  return text;
}

std::string Summary(const EibiImportResult& r, const EibiImportOptions& options,
                    const std::string& file_name, int rounded) {
  std::string text = "EiBi schedule " + file_name + ": " + Count(r.lines, "line") + ".\n";
  text += "Imported " + Count(r.kept_lines(), "line") + " as " + Count(r.db.count(), "record") +
          " of " + Count(static_cast<long long>(r.db.stations().size()), "station") + ":\n";
  text += "  " + Count(r.timed_lines, "timed broadcast") + " (a record for each hour on the air)\n";
  text += "  " + Count(r.all_day_lines, "all-day broadcast") + "\n";
  text += "  " + Count(r.utility_lines, "utility station") + "\n";
  text += "  " + Count(r.bcb_lines, "long- and medium-wave broadcast") + " (BCB)\n";
  if (r.irregular_lines > 0) {
    text += "  " + N(r.irregular_lines) + " of these on irregular days, listed as on every day\n";
  }
  text += "Not imported: " + Count(r.dropped_lines(), "line") + "\n";
  for (std::size_t k = 0; k < kEibiDropReasons; ++k) {
    const std::vector<int>& lines = r.dropped[k];
    if (lines.empty()) continue;
    text += "  " + N(static_cast<long long>(lines.size())) + ": " +
            EibiDropText(static_cast<EibiDrop>(k));
    if (static_cast<EibiDrop>(k) == EibiDrop::kNoRoom) {
      text += " (at most " + Count(options.max_records, "record") + " filled)";
    }
    text += (lines.size() == 1 ? " - line " : " - lines ") + LineNumbers(lines) + "\n";
  }
  if (rounded > 0) {
    text += N(rounded) + (rounded == 1 ? " frequency" : " frequencies") +
            " with a fraction of a kHz " + (rounded == 1 ? "was" : "were") +
            " rounded to whole kHz.\n";
  }
  if (r.malformed_dates > 0) {
    text += Count(r.malformed_dates, "line") + (r.malformed_dates == 1 ? " has" : " have") +
            " start or stop dates that cannot be read; the database keeps no dates, so " +
            (r.malformed_dates == 1 ? "it was" : "they were") + " imported all the same.\n";
  }
  const std::string order =
      "BCB and all-day broadcasts; timed broadcasts, most days a week first, then the longest; "
      "broadcasts on irregular days";
  text +=
      "Filled in this order: utility records; " +
      (options.areas == kAllAreas ? order + ".\n"
                                  : "broadcasts to " + AreasText(options.areas) + " (" + order +
                                        "); then broadcasts to other areas in the same order.\n");
  return text;
}

std::string LogText(const EibiImportResult& r, std::string_view csv) {
  // Row texts again by line number; lines are few enough to split twice.
  const std::vector<std::string_view> lines = SplitEibiLines(csv);
  std::string text;
  for (std::size_t k = 0; k < kEibiDropReasons; ++k) {
    for (int line : r.dropped[k]) {
      text += "line " + std::to_string(line) + ": " + EibiDropText(static_cast<EibiDrop>(k)) +
              "\r\n    " + std::string(lines[static_cast<std::size_t>(line - 1)]) + "\r\n";
    }
  }
  return text;
}

CompanionReport Failed(CompanionReport report, const std::string& why) {
  report.text += "Nothing was imported; the database files were not changed.\n\n" + why + "\n";
  report.exit_code = kExitFailed;
  return report;
}

}  // namespace

CompanionReport ImportEibiFile(const fs::path& folder, const fs::path& csv_file,
                               const EibiImportOptions& options) {
  CompanionReport report;
  report.title = "Import EiBi schedule";
  const std::string file_name = csv_file.filename().string();
  std::string csv;
  std::error_code ec;
  if (!fs::is_regular_file(csv_file, ec) || !ReadWholeFile(csv_file, csv)) {
    return Failed(report, ExpandedPath(csv_file) + " cannot be read.");
  }
  const EibiImportResult result = ImportEibiText(csv, options);
  if (!result.ok) return Failed(report, file_name + ": " + result.problem + ".");
  if (result.db.empty()) {
    return Failed(report, file_name +
                              ": no line of the chosen kinds and frequencies could be "
                              "imported.\n\n" +
                              Summary(result, options, file_name, 0));
  }
  const DumpConversion conv = ConvertDumpText(result.dump_text);
  if (!conv.ok) {
    return Failed(report, "The schedule made from " + file_name + " could not be converted:\n" +
                              conv.problem + ListLineErrors(conv.errors, 10));
  }
  const std::vector<fs::path> paths = {DatabaseFile(folder, kStationsFileName),
                                       DatabaseFile(folder, kScheduleFileName),
                                       DatabaseFile(folder, kDumpFileName)};
  if (RecoverCommit(paths))
    report.text += "A change stopped half way before was put right first.\n";
  // The saved form keeps fractions of a kHz, so the database says what SKEDULE.TXT says. Its
  // file must begin with a record at 0000; a choice without one gets the distribution form.
  const bool saved_form = SavedFormIsUnambiguous(result.db);
  if (saved_form) {
    WriteSavedDatabase(folder, result.db, &result.dump_text, report);
  } else {
    WriteConvertedDatabase(folder, conv.db, &result.dump_text, report);
  }
  if (!report.database_written) return report;
  report.text += Summary(result, options, file_name, saved_form ? 0 : conv.rounded);
  if (saved_form && conv.rounded > 0) {
    report.text += Count(conv.rounded, "record") + (conv.rounded == 1 ? " keeps" : " keep") +
                   " a fraction of a kHz (the database is written in the saved form).\n";
  } else if (!saved_form) {
    report.text +=
        "No record starts at 0000, so the database is written in the distribution form, in "
        "whole kHz.\n";
  }
  std::string error;
  const fs::path log = DatabaseFile(folder, kImportLogFileName);
  if (CommitFiles({{log, LogText(result, csv)}}, error)) {
    report.text += "Every line not imported is listed with its text in " +
                   std::string(kImportLogFileName) + ".\n";
  } else {
    report.text += error + "\n";
  }
  report.text +=
      "SKEDULE.TXT, SWBCGIDE.DAT and STATIONS.DAT were written. Open the database in the program "
      "(File, Open database) to use it.\n"
      "Schedules: EiBi, by Eike Bierwirth (http://www.eibispace.de/), free to use and "
      "distribute.\n";
  return report;
}

}  // namespace r8
