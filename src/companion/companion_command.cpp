#include "companion/companion_command.h"

#include <system_error>

#include "common/format.h"
#include "common/program_launcher.h"
#include "companion/eibi_import.h"
#include "companion/schedule_conversion.h"
#include "companion/set_swap.h"
#include "database/database_files.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

CompanionReport Usage(int exit_code, const std::string& why) {
  CompanionReport r;
  r.title = "Usage";
  r.text = (why.empty() ? "" : why + "\n\n") + CompanionUsage();
  r.exit_code = exit_code;
  return r;
}

CompanionReport NotAvailable(const std::string& title, const std::string& what) {
  CompanionReport r;
  r.title = title;
  r.text = what +
           " is not available in this version of the companion: nothing was done.\n"
           "Available: converting SKEDULE.TXT (/t), swapping the schedule sets (/u) and "
           "importing an EiBi schedule (--import-eibi FILE.csv).\n";
  r.exit_code = kExitNotAvailable;
  return r;
}

CompanionReport ImportCommand(const std::vector<std::string>& args, const fs::path& folder) {
  if (args.size() < 2) return Usage(kExitUsage, "--import-eibi needs the schedule file.");
  EibiImportOptions options;
  bool kind_given = false;
  bool range_given = false;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--jammers" || a == "--digital") {
      (a == "--jammers" ? options.jammers : options.digital) = true;
      continue;
    }
    if (i + 1 >= args.size()) return Usage(kExitUsage, a + " needs a value.");
    const std::string value = args[++i];
    if (a == "--kind") {
      if (!kind_given) options.broadcast = options.utility = false;
      kind_given = true;
      const std::string v = UpperStr(value);
      if (v != "BROADCAST" && v != "UTILITY" && v != "ALL") {
        return Usage(kExitUsage, "--kind takes broadcast, utility or all, not \"" + value + "\".");
      }
      options.broadcast = options.broadcast || v != "UTILITY";
      options.utility = options.utility || v != "BROADCAST";
    } else if (a == "--range") {
      std::string error;
      const auto ranges = ParseFreqRanges(value, error);
      if (!ranges) return Usage(kExitUsage, "--range: " + error + ".");
      if (!range_given) options.ranges.clear();
      range_given = true;
      options.ranges.insert(options.ranges.end(), ranges->begin(), ranges->end());
    } else if (a == "--target") {
      std::string error;
      const std::optional<std::uint16_t> areas = ParseEibiAreas(value, error);
      if (!areas) return Usage(kExitUsage, "--target: " + error + ".");
      options.areas = *areas;
    } else if (a == "--max-records") {
      const std::optional<long long> n = ParseLeadingInt(value);
      if (!n || *n < 1 || *n > kMaxRecords || std::to_string(*n) != TrimStr(value)) {
        return Usage(kExitUsage, "--max-records takes a number from 1 to 9999.");
      }
      options.max_records = static_cast<int>(*n);
    } else {
      return Usage(kExitUsage, "Unknown option " + a + ".");
    }
  }
  return ImportEibiFile(folder, args[1], options);
}

}  // namespace

std::string CompanionUsage() {
  return "QUORNUTE, the companion of Veltrix R8 Control, works on the station database of the "
         "folder it runs in.\n"
         "  /t      convert SKEDULE.TXT into SWBCGIDE.DAT and STATIONS.DAT\n"
         "  /u      swap the active schedule set with the inactive one (SWBCGIDE.SRC or "
         "SWBCGIDE.SKD,\n"
         "          with STATIONS.SRC or STATIONS.SKD)\n"
         "  --import-eibi FILE.csv   import an EiBi schedule (from www.eibispace.de)\n"
         "      --kind broadcast|utility|all   what to import (repeatable; default: all)\n"
         "      --range RANGES   kHz ranges or bands, e.g. \"5900-6200, 31m, mw\" (repeatable;\n"
         "                       default: 100-30000). Bands: " +
         BandNames() +
         "\n"
         "      --target AREAS   the areas you listen in, filled first, e.g. \"Eu, Af\"\n"
         "                       (default: all). Areas: " +
         AreaNames() +
         "\n"
         "      --max-records N  fill at most N records (default 9500, at most 9999)\n"
         "      --jammers, --digital   import jammers, digital (DRM) transmissions too\n"
         "  --install FOLDER   make FOLDER/QUORNUTE.EXE start this program\n"
         "  --folder DIR   work in DIR instead of the current folder\n"
         "  --text | --window   report on the terminal or in a window\n"
         "Exit codes: 0 done, 1 failed (nothing changed), 2 wrong command line, 3 not available "
         "(/i, /r, /p).\n";
}

CompanionReport InstallCompanion(const fs::path& folder, const fs::path& self) {
  CompanionReport r;
  r.title = "Install";
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    r.text = ExpandedPath(folder) + " is not a folder: nothing was installed.\n";
    r.exit_code = kExitFailed;
    return r;
  }
  const fs::path target = DatabaseFile(folder, kCompanionFileName);
  fs::path temp = target;
  temp += ".new";
  fs::remove(temp, ec);
  const fs::path program = fs::absolute(self, ec);
  // A link keeps starting the program as it is rebuilt; a copy serves where links cannot be made.
  fs::create_symlink(program, temp, ec);
  const bool linked = !ec;
  if (!linked) fs::copy_file(program, temp, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    r.text =
        "QUORNUTE.EXE cannot be made in " + ExpandedPath(folder) + ": nothing was installed.\n";
    r.exit_code = kExitFailed;
    return r;
  }
  r.text = ExpandedPath(target) + " now starts " + program.string() +
           (linked ? " (a symbolic link).\n" : " (a copy).\n");
  return r;
}

CompanionRun RunCompanionCommand(const std::vector<std::string>& args, const fs::path& self) {
  CompanionRun run;
  fs::path folder = ".";
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--text") {
      run.output = CompanionOutput::kText;
    } else if (args[i] == "--window") {
      run.output = CompanionOutput::kWindow;
    } else if (args[i] == "--folder" && i + 1 < args.size()) {
      folder = args[++i];
    } else {
      rest.push_back(args[i]);
    }
  }
  if (rest.empty()) {
    run.report = Usage(kExitUsage, "No command was given.");
    return run;
  }
  const std::string command = UpperStr(rest[0]);
  if (command == "/T") {
    run.report = ConvertScheduleFile(folder);
  } else if (command == "/U") {
    run.report = SwapScheduleSets(folder);
  } else if (command == "/I") {
    run.report = NotAvailable("Import database", "Importing the update file SW_UPD.DBF (/i)");
  } else if (command == "/R") {
    run.report = NotAvailable("Publish database", "Publishing the database (/r)");
  } else if (command.starts_with("/P")) {
    run.report = NotAvailable("HF prediction", "An HF propagation prediction (/p)");
  } else if (command == "--IMPORT-EIBI") {
    run.report = ImportCommand(rest, folder);
  } else if (command == "--INSTALL" && rest.size() == 2) {
    run.report = InstallCompanion(rest[1], self);
  } else if (command == "--HELP" || command == "-H" || command == "/?") {
    run.report = Usage(kExitOk, "");
  } else {
    run.report = Usage(kExitUsage, "Unknown command " + rest[0] + ".");
  }
  return run;
}

}  // namespace r8
