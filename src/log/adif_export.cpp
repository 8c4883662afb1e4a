#include "log/adif_export.h"

#include <array>
#include <cctype>
#include <optional>

#include "common/file_commit.h"
#include "common/format.h"
#include "log/sort_grid.h"

namespace r8 {
namespace {

struct BandEdge {
  const char* name;
  double low_mhz;
  double high_mhz;
};

// The ADIF band table up to the receivers' reach and a little beyond.
constexpr std::array<BandEdge, 22> kBands{{
    {"2190m", 0.1357, 0.1378}, {"630m", 0.472, 0.479},   {"560m", 0.501, 0.504},
    {"160m", 1.8, 2.0},        {"80m", 3.5, 4.0},        {"60m", 5.06, 5.45},
    {"40m", 7.0, 7.3},         {"30m", 10.1, 10.15},     {"20m", 14.0, 14.35},
    {"17m", 18.068, 18.168},   {"15m", 21.0, 21.45},     {"12m", 24.89, 24.99},
    {"10m", 28.0, 29.7},       {"8m", 40.0, 45.0},       {"6m", 50.0, 54.0},
    {"5m", 54.000001, 69.9},   {"4m", 70.0, 71.0},       {"2m", 144.0, 148.0},
    {"1.25m", 222.0, 225.0},   {"70cm", 420.0, 450.0},   {"33cm", 902.0, 928.0},
    {"23cm", 1240.0, 1300.0},
}};

struct ModeName {
  const char* log;  // upper case, as a listener writes it
  const char* mode;
  const char* submode;
};

constexpr std::array<ModeName, 19> kModes{{
    {"AM", "AM", ""},       {"SAM", "AM", ""},        {"SYNC", "AM", ""},
    {"ECSS", "AM", ""},     {"FM", "FM", ""},         {"NBFM", "FM", ""},
    {"CW", "CW", ""},       {"RTTY", "RTTY", ""},     {"LSB", "SSB", "LSB"},
    {"USB", "SSB", "USB"},  {"SSB", "SSB", ""},       {"FAX", "FAX", ""},
    {"WEFAX", "FAX", ""},   {"SSTV", "SSTV", ""},     {"PSK", "PSK", ""},
    {"PSK31", "PSK", "PSK31"}, {"HELL", "HELL", ""},  {"MFSK", "MFSK", ""},
    {"OLIVIA", "OLIVIA", ""},
}};

// The log's date as YYYYMMDD.
std::optional<std::string> AdifDate(std::string_view date) {
  const std::optional<GridDate> d = ReadGridDate(TrimStr(date));
  if (!d) return std::nullopt;
  return std::to_string(d->year) + IntToStr2Z(d->month) + IntToStr2Z(d->day);
}

// hhmm from the log's time field (its fifth character is the day letter).
std::optional<std::string> AdifTimeOn(std::string_view time) {
  const std::string t = TrimStr(time);
  if (t.size() < 4) return std::nullopt;
  for (std::size_t i = 0; i < 4; ++i)
    if (!std::isdigit(static_cast<unsigned char>(t[i]))) return std::nullopt;
  if (t.size() > 4 && std::isdigit(static_cast<unsigned char>(t[4]))) return std::nullopt;
  const int hh = (t[0] - '0') * 10 + (t[1] - '0');
  const int mm = (t[2] - '0') * 10 + (t[3] - '0');
  if (hh > 23 || mm > 59) return std::nullopt;
  return t.substr(0, 4);
}

std::string AdifTimestamp(const LocalDateTime& t) {
  return std::to_string(t.year) + IntToStr2Z(t.month) + IntToStr2Z(t.day) + " " +
         IntToStr2Z(t.hour) + IntToStr2Z(t.minute) + IntToStr2Z(t.second);
}

}  // namespace

std::string AdifBand(double mhz) {
  for (const BandEdge& b : kBands)
    if (mhz >= b.low_mhz && mhz <= b.high_mhz) return b.name;
  return {};
}

std::optional<AdifMode> AdifModeFor(std::string_view log_mode) {
  const std::string text = UpperStr(TrimStr(log_mode));
  for (const ModeName& m : kModes)
    if (text == m.log) return AdifMode{m.mode, m.submode};
  return std::nullopt;
}

std::string AdifAscii(std::string_view latin1) {
  // Plain letters for 0xC0..0xFF; "?" where a letter has none.
  static constexpr std::string_view kFolded =
      "AAAAAAACEEEEIIII"
      "DNOOOOO?OUUUUYTs"
      "aaaaaaaceeeeiiii"
      "dnooooo?ouuuuyty";
  std::string out;
  out.reserve(latin1.size());
  for (const char ch : latin1) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) {
      out += ' ';
    } else if (c < 0x7F) {
      out += ch;
    } else if (c >= 0xC0) {
      const char plain = kFolded[c - 0xC0];
      if (c == 0xC6) out += "AE";
      else if (c == 0xE6) out += "ae";
      else if (c == 0xDE) out += "TH";
      else if (c == 0xFE) out += "th";
      else if (c == 0xDF) out += "ss";
      else out += plain;
    } else {
      out += '?';
    }
  }
  return out;
}

std::string AdifField(std::string_view name, std::string_view value) {
  if (value.empty()) return {};
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" +
         std::string(value) + " ";
}

std::string AdifHeader(std::string_view program, std::string_view version,
                       const LocalDateTime& utc_now) {
  std::string out = AdifAscii(program) + " listening log\r\n";
  out += AdifField("ADIF_VER", "3.1.4");
  out += AdifField("CREATED_TIMESTAMP", AdifTimestamp(utc_now));
  out += AdifField("PROGRAMID", AdifAscii(program));
  out += AdifField("PROGRAMVERSION", AdifAscii(version));
  out += "<EOH>\r\n\r\n";
  return out;
}

std::string AdifRecord(const LogEntry& e) {
  std::string out = AdifField("SWL", "Y");
  const std::string station = TrimStr(AdifAscii(e.station));
  const std::string call = TrimStr(AdifAscii(e.call));
  // Logging programs key a record on its call; a broadcaster without one is known by its name.
  out += AdifField("CALL", call.empty() ? station : call);
  out += AdifField("NAME", station);
  if (const std::optional<double> f = ParseDecimal(TrimStr(e.freq)); f && *f > 0.0) {
    const double mhz = TrimStr(e.unit) == "MHz" ? *f : *f / 1000.0;
    out += AdifField("FREQ", FormatFixed(mhz, 5));
    out += AdifField("BAND", AdifBand(mhz));
  }
  std::string comment;
  if (const std::optional<AdifMode> m = AdifModeFor(e.mode)) {
    out += AdifField("MODE", m->mode);
    out += AdifField("SUBMODE", m->submode);
  } else if (!TrimStr(e.mode).empty()) {
    comment = "Mode " + TrimStr(AdifAscii(e.mode)) + ".";
  }
  if (const std::optional<std::string> d = AdifDate(e.date)) out += AdifField("QSO_DATE", *d);
  if (const std::optional<std::string> t = AdifTimeOn(e.time)) out += AdifField("TIME_ON", *t);
  out += AdifField("RST_RCVD", TrimStr(AdifAscii(e.sinpo)));
  for (const std::string& note : e.notes) {
    const std::string n = TrimStr(AdifAscii(note));
    if (n.empty()) continue;
    if (!comment.empty()) comment += ' ';
    comment += n;
  }
  out += AdifField("COMMENT", comment);
  out += "<EOR>\r\n";
  return out;
}

std::string AdifDocument(const std::vector<std::string>& log_lines, std::string_view program,
                         std::string_view version, const LocalDateTime& utc_now, int* written,
                         int* skipped) {
  std::string out = AdifHeader(program, version, utc_now);
  int records = 0;
  int passed = 0;
  for (const std::string& line : log_lines) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    const std::optional<LogEntry> entry = ParseLogRecord(line);
    if (!entry) {
      ++passed;
      continue;
    }
    out += AdifRecord(*entry);
    ++records;
  }
  if (written) *written = records;
  if (skipped) *skipped = passed;
  return out;
}

LocalDateTime AdifTime(const ClockReading& utc) {
  const std::optional<GridDate> d = ReadGridDate(utc.date);
  if (!d) return LocalDateTime{};
  return LocalDateTime{d->year, d->month, d->day, utc.hours, utc.minutes, 0};
}

AdifExportResult ExportAdifFile(const std::vector<std::string>& log_lines,
                                const std::filesystem::path& out, const LocalDateTime& utc_now,
                                std::string_view version) {
  AdifExportResult r;
  const std::string doc =
      AdifDocument(log_lines, kAdifProgram, version, utc_now, &r.written, &r.skipped);
  if (!CommitFiles({{out, doc}}, r.error) && r.error.empty())
    r.error = "The file " + out.string() + " could not be written.";
  return r;
}

}  // namespace r8
