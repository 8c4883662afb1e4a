// The log's format files: an export format (".FML", how one log entry is laid out, at most 10
// lines) and a report format (".FMR", a whole document around the exported entries). Both are
// plain text, one template line per line, written with CR LF. The names of the formats in use are
// the settings LOGFORM and RPTFORM.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace r8 {

class AppContext;

enum class FormatKind { kExport = 1, kReport = 2 };

inline constexpr std::size_t kExportFormatMaxLines = 10;
// A format is a page of text; anything much larger is not one.
inline constexpr std::size_t kFormatFileMaxBytes = 256 * 1024;

// "[note]" for the export kind, "[logE]" for the report kind: the tag that must stand alone.
std::string_view SpecialTag(FormatKind kind);
// The open and save dialogs' filter: "Log Format|*.FML" or "Rpt Format|*.FMR".
std::string FormatFilter(FormatKind kind);

// Lines of a format file: CR LF, LF or CR end a line; a last line without an end still counts.
std::vector<std::string> SplitFormatLines(std::string_view bytes);
// Every line followed by CR LF.
std::string JoinFormatLines(const std::vector<std::string>& lines);

// The save checks: empty when the lines may be saved, otherwise the message to show.
std::string CheckFormatLines(FormatKind kind, const std::vector<std::string>& lines);

struct FormatFile {
  bool ok = false;
  std::vector<std::string> lines;
  std::string error;    // why the file could not be used (ok is false)
  std::string warning;  // read, but something about it the user should know
};
// Reads a format file. A file that cannot be read, is too large or holds NUL bytes is refused
// with a message; an export format of more than 10 lines is read whole with a warning.
FormatFile ReadFormatFile(const std::filesystem::path& path, FormatKind kind);

// The stored name of the kind's format (LOGFORM / RPTFORM) as the program holds it.
const std::string& CurrentFormatName(const AppContext& ctx, FormatKind kind);
// A stored name as a file: relative names are in the data folder, "\" separates folders, and a
// file whose name differs only in letter case is found.
std::filesystem::path FormatPath(const AppContext& ctx, const std::string& name);
// SetFormatName: the name made a full path (except "<Untitled>"), kept as the kind's current
// format and written to LOGFORM or RPTFORM. Returns the name as stored.
std::string SetFormatName(AppContext& ctx, FormatKind kind, const std::string& name);

// The open dialog ("*.FML" "Log Format" or "*.FMR" "Rpt Format"); empty when cancelled.
std::string AskFormatToOpen(AppContext& ctx, FormatKind kind);

// FormatSave: the checks, a name asked for while "<Untitled>" (the save dialog, cancel fails),
// the lines written with CR LF in one step, then SetFormatName. name is the format's name and
// becomes the stored one. Failures are shown in an error box and give false.
bool FormatSave(AppContext& ctx, FormatKind kind, std::string& name,
                const std::vector<std::string>& lines);

}  // namespace r8
