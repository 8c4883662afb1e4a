#include "log/log_format.h"

#include <system_error>

#include "app/app_context.h"
#include "common/file_commit.h"
#include "common/file_names.h"
#include "common/program_launcher.h"

namespace r8 {
namespace fs = std::filesystem;

std::string_view SpecialTag(FormatKind kind) {
  return kind == FormatKind::kExport ? "[note]" : "[logE]";
}

std::string FormatFilter(FormatKind kind) {
  return kind == FormatKind::kExport ? "Log Format|*.FML" : "Rpt Format|*.FMR";
}

std::vector<std::string> SplitFormatLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') continue;
    lines.emplace_back(bytes.substr(start, i - start));
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string JoinFormatLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

std::string CheckFormatLines(FormatKind kind, const std::vector<std::string>& lines) {
  if (kind == FormatKind::kExport && lines.size() > kExportFormatMaxLines) {
    return "The export format cannot exceed 10 lines.";
  }
  const std::string_view tag = SpecialTag(kind);
  for (const std::string& line : lines) {
    const std::size_t at = line.find(tag);
    if (at == std::string::npos) continue;
    std::string rest = line;
    rest.erase(at, tag.size());
    if (rest.find_first_of("[]") != std::string::npos) {
      return "The " + std::string(tag) + " field must be on it's own line.";
    }
  }
  return {};
}

FormatFile ReadFormatFile(const fs::path& path, FormatKind kind) {
  FormatFile f;
  const std::string shown = path.filename().string();
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (!ec && size > kFormatFileMaxBytes) {
    f.error = shown + " is not a format file: it is larger than 256 KB.";
    return f;
  }
  std::string bytes;
  if (ec || !ReadWholeFile(path, bytes)) {
    f.error = "The format file " + ExpandedPath(path) + " could not be read.";
    return f;
  }
  if (bytes.find('\0') != std::string::npos) {
    f.error = shown + " is not a format file: it holds binary data.";
    return f;
  }
  f.lines = SplitFormatLines(bytes);
  f.ok = true;
  if (kind == FormatKind::kExport && f.lines.size() > kExportFormatMaxLines) {
    f.warning = shown + " holds " + std::to_string(f.lines.size()) +
                " lines; an export format uses only its first 10.";
  }
  return f;
}

const std::string& CurrentFormatName(const AppContext& ctx, FormatKind kind) {
  return kind == FormatKind::kExport ? ctx.settings().log_form : ctx.settings().rpt_form;
}

fs::path FormatPath(const AppContext& ctx, const std::string& name) {
  fs::path p(NativePath(name));
  if (p.is_relative()) p = ctx.data_folder() / p;
  return FindFileNoCase(p);
}

std::string SetFormatName(AppContext& ctx, FormatKind kind, const std::string& name) {
  const std::string stored = name == kUntitled ? name : ExpandedPath(FormatPath(ctx, name));
  Settings& s = ctx.settings();
  (kind == FormatKind::kExport ? s.log_form : s.rpt_form) = stored;
  ctx.profile().WriteString(kOptionsSection, kind == FormatKind::kExport ? "LOGFORM" : "RPTFORM",
                            stored);
  return stored;
}

namespace {

std::string AskFormatName(AppContext& ctx, FormatKind kind, bool for_open) {
  FileDialogRequest ask;
  ask.for_open = for_open;
  ask.initial_dir = ctx.data_folder().string();
  ask.filters = {FormatFilter(kind)};
  ask.file_must_exist = for_open;
  ask.overwrite_prompt = !for_open;
  const FileDialogResult got = ctx.prompts().FileDialog(ask);
  if (!got.accepted || got.name.empty()) return {};
  std::string name = got.name;
  if (!for_open && fs::path(name).extension().empty()) {
    name += kind == FormatKind::kExport ? ".FML" : ".FMR";
  }
  return name;
}

bool Refuse(AppContext& ctx, const std::string& text) {
  ShowMessage(ctx.prompts(), MessageKind::kError, text);
  return false;
}

}  // namespace

std::string AskFormatToOpen(AppContext& ctx, FormatKind kind) {
  return AskFormatName(ctx, kind, true);
}

bool FormatSave(AppContext& ctx, FormatKind kind, std::string& name,
                const std::vector<std::string>& lines) {
  const std::string problem = CheckFormatLines(kind, lines);
  if (!problem.empty()) return Refuse(ctx, problem);
  std::string target = name;
  if (target.empty() || target == kUntitled) {
    target = AskFormatName(ctx, kind, false);
    if (target.empty()) return false;
  }
  const fs::path path = FormatPath(ctx, target);
  std::string error;
  if (!CommitFiles({FileToWrite{path, JoinFormatLines(lines)}}, error)) {
    return Refuse(ctx, "The format " + ExpandedPath(path) + " could not be saved: " + error);
  }
  name = SetFormatName(ctx, kind, path.string());
  return true;
}

}  // namespace r8
