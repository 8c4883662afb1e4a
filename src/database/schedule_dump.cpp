#include "database/schedule_dump.h"

#include <fstream>
#include <memory>
#include <system_error>

#include "settings/settings.h"
#include "common/file_date.h"
#include "common/file_names.h"
#include "common/format.h"
#include "database/station_query.h"

namespace r8 {
namespace fs = std::filesystem;

namespace {

class LineCollector : public TextOutput {
 public:
  explicit LineCollector(bool is_file) : is_file_(is_file) {}
  bool IsFile() const override { return is_file_; }
  void WriteLine(std::string_view line) override { lines.emplace_back(line); }
  std::vector<std::string> lines;

 private:
  bool is_file_;
};

std::vector<std::string> RunPrint(const StationDatabase& db, std::string_view key, bool is_file,
                                  ProgressBox* progress) {
  LineCollector out(is_file);
  auto results = std::make_unique<QueryResults>();
  QueryPorts ports;
  ports.text = &out;
  ports.progress = progress;
  StationQuery(db, *results, ports, QueryTarget::kTextOutput, QueryKind::kPrintSchedule, key);
  return std::move(out.lines);
}

fs::path ResolveDestination(const fs::path& folder, std::string_view destination) {
  const fs::path p(NativePath(destination));
  return p.is_absolute() ? p : folder / p;
}

}  // namespace

PrintJob SchedulePrintJob(const StationDatabase& db, std::string_view key, ProgressBox* progress) {
  PrintJob job;
  job.title = std::string(key);
  job.lines = RunPrint(db, key, false, progress);
  return job;
}

std::string ScheduleFileText(const StationDatabase& db, std::string_view key,
                             ProgressBox* progress) {
  std::string text;
  for (const std::string& line : RunPrint(db, key, true, progress)) {
    text += line;
    text += "\r\n";
  }
  return text;
}

bool IsDumpFile(const fs::path& folder, std::string_view destination) {
  const fs::path target = ResolveDestination(folder, destination);
  if (UpperStr(target.filename().string()) != kDumpFileName) return false;
  std::error_code ec1;
  std::error_code ec2;
  const fs::path a = fs::weakly_canonical(target.parent_path(), ec1);
  const fs::path b = fs::weakly_canonical(folder, ec2);
  return !ec1 && !ec2 && a == b;
}

DoPrintResult DoPrint(const fs::path& folder, const StationDatabase& db, std::string_view key,
                      std::string_view destination, DatabasePorts& ports) {
  DoPrintResult result;
  if (destination == kPrinterDestination) {
    result.print_job = SchedulePrintJob(db, key, ports.progress);
    return result;
  }
  const bool dump_file = IsDumpFile(folder, destination);
  const fs::path target = dump_file ? DatabaseFile(folder, kDumpFileName)
                                    : FindFileNoCase(ResolveDestination(folder, destination));
  std::error_code ec;
  if (!dump_file && fs::exists(target, ec)) {
    MessageRequest ask;
    ask.kind = MessageKind::kWarning;
    ask.buttons = MessageButtons::kYesNo;
    ask.text = ExpandedPath(target) + "\rThis file already exists.\r\rReplace existing file?";
    if (ports.prompts.Message(ask) != Answer::kYes) {
      result.outcome = DumpOutcome::kDeclined;
      return result;
    }
  }

  const std::string text = ScheduleFileText(db, key, ports.progress);
  fs::path temp = target;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (out) out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (out) out.close();
    if (out) fs::rename(temp, target, ec);
    if (!out || ec) {
      fs::remove(temp, ec);
      ShowMessage(ports.prompts, MessageKind::kError,
                  "Cannot write file \"" + ExpandedPath(target) + "\".");
      result.outcome = DumpOutcome::kFailed;
      return result;
    }
  }
  // Only the dump file itself: a dump of "*" elsewhere must not hide edits made to SKEDULE.TXT.
  if (key == kDumpAllKey && dump_file) {
    if (const auto date = GetFileDate(target)) {
      WriteIntSetting(ports.profile, kDatabaseSection, kFileDateKey,
                      static_cast<std::int32_t>(*date), 1);
    }
  }
  return result;
}

}  // namespace r8
