// The listening log as ADIF (.adi): one record per entry with the fields a logging program reads
// for a listener's report. ADI text is ASCII only, so the log's Latin-1 letters are written as
// their plain letters.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.h"
#include "log/log_record.h"

namespace r8 {

// The ADIF band a frequency lies in ("41m" is no ADIF band: broadcast bands give none).
std::string AdifBand(double mhz);

// The ADIF mode and submode for the log's mode text; nullopt for a text no ADIF mode stands for.
struct AdifMode {
  std::string mode;
  std::string submode;
};
std::optional<AdifMode> AdifModeFor(std::string_view log_mode);

// Latin-1 text as printable ASCII: accented letters lose their accents, other characters
// become "?", control characters blanks.
std::string AdifAscii(std::string_view latin1);

// "<NAME:len>value" followed by a blank; nothing for an empty value.
std::string AdifField(std::string_view name, std::string_view value);

// The header: a line of text, then ADIF_VER, CREATED_TIMESTAMP (UTC), PROGRAMID,
// PROGRAMVERSION and EOH.
std::string AdifHeader(std::string_view program, std::string_view version,
                       const LocalDateTime& utc_now);

// One record ending in <EOR> and a line end: SWL, CALL (the call sign, else the station's name,
// since logging programs key a record on it), NAME (the station), FREQ in MHz, BAND, MODE and
// SUBMODE, QSO_DATE and TIME_ON (the log's times are UTC), RST_RCVD (the SINPO), COMMENT (the
// notes). Fields the entry cannot give (a date that is no date, a frequency that is no number)
// are left out rather than written wrong.
std::string AdifRecord(const LogEntry& entry);

// The whole file for log lines (entries in any layout the log has had; other lines are passed
// over and counted in skipped).
std::string AdifDocument(const std::vector<std::string>& log_lines, std::string_view program,
                         std::string_view version, const LocalDateTime& utc_now, int* written,
                         int* skipped);

inline constexpr char kAdifProgram[] = "Veltrix R8 Control";

// The time the program keeps as UTC (the clock shifted by the TIME offset), for the header.
LocalDateTime AdifTime(const ClockReading& utc);

// Writes the log lines as an ADIF file in one step (an earlier file stays whole until the new one
// is). error is set when it could not be written.
struct AdifExportResult {
  int written = 0;
  int skipped = 0;
  std::string error;
};
AdifExportResult ExportAdifFile(const std::vector<std::string>& log_lines,
                                const std::filesystem::path& out, const LocalDateTime& utc_now,
                                std::string_view version);

}  // namespace r8
