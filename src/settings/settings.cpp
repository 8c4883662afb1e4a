#include "settings/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/format.h"

namespace r8 {
namespace {

constexpr std::string_view kO = kOptionsSection;

int IntIn(ProfileFile& f, std::string_view key, int def, int lo, int hi) {
  const int v = f.ReadInt(kO, key, def);
  return v < lo || v > hi ? def : v;
}

double RealIn(ProfileFile& f, std::string_view key, double def, double lo, double hi) {
  const auto text = f.Find(kO, key);
  if (!text) return def;
  const auto v = ParseDecimal(TrimStr(*text));
  return !v || *v < lo || *v > hi ? def : *v;
}

bool IsQuarterHourOffset(double v) {
  return std::fabs(v) <= 12.0 && std::fabs(v * 4.0 - std::round(v * 4.0)) < 1e-9;
}

std::string TextOr(ProfileFile& f, std::string_view key, std::string_view def) {
  std::string v = f.ReadString(kO, key, def);
  return v.empty() ? std::string(def) : v;
}

}  // namespace

bool WriteIntSetting(ProfileFile& f, std::string_view section, std::string_view key,
                     long long value, int width) {
  return f.WriteString(section, key, FormatIntWidth(value, width));
}

bool WriteLongSetting(ProfileFile& f, std::string_view section, std::string_view key,
                      long long value) {
  return WriteIntSetting(f, section, key, value, 12);
}

bool WriteRealSetting(ProfileFile& f, std::string_view section, std::string_view key, double value,
                      int width, int decimals) {
  return f.WriteString(section, key, FormatFixedWidth(value, width, decimals));
}

double ReadRealSetting(ProfileFile& f, std::string_view section, std::string_view key,
                       std::string_view def_text) {
  return ParseDecimal(TrimStr(f.ReadString(section, key, def_text))).value_or(0.0);
}

void ReadSettings(ProfileFile& f, Settings& s) {
  const double time = RealIn(f, "TIME", kTimeNotSet, -1e9, 1e9);
  s.TimeOffset = IsQuarterHourOffset(time) ? time : kTimeNotSet;
  s.local_clock = IntIn(f, "LOCAL", 2, 1, 2);
  s.RadioModel = IntIn(f, "RADIO", 0, 0, 3);
  s.primary_antenna = IntIn(f, "ANTENNA", 1, 1, 2);
  s.CommPort = IntIn(f, "PORT", 1, 1, 8);
  s.TxPace = IntIn(f, "TXPACE", 5, 0, 100);
  s.RxPace = IntIn(f, "RXPACE", 115, 0, 1000);
  s.IgnoreDSR = f.ReadInt(kO, "IGNOREDSR", 0) == 1;
  s.complete_reply = f.ReadInt(kO, "RXCOMPLETE", 0) == 1;
  s.net_port = IntIn(f, "NETPORT", 0, 0, 65535);
  s.scan_mode = IntIn(f, "SCANMODE", 0, 0, 4);
  s.scan_type = IntIn(f, "SCANTYPE", 0, 0, 3);
  s.scan_delay = IntIn(f, "SCANDELAY", 3, 0, 10);
  s.scan_list = f.ReadString(kO, "SCANLIST", "empty").substr(0, kScanListMax);
  // File names are kept whole: a path cut short would name another file.
  s.mem_file = TextOr(f, "MEMFILE", kUntitled);
  s.log_file = TextOr(f, "LOGFILE", ".\\TARVELIN.LOG");
  s.log_form = TextOr(f, "LOGFORM", kUntitled);
  s.rpt_form = TextOr(f, "RPTFORM", kUntitled);
  s.mark_color = IntIn(f, "MARK", 0x800000, 0, 0xFFFFFF);
  s.high_color = IntIn(f, "HIGH", 0xFFFF00, 0, 0xFFFFFF);
  s.timer_enabled = IntIn(f, "TIMER", 0, 0, 1);
  s.ClockDisplay = IntIn(f, "CLOCK", 2, 1, 2);
  s.hints = IntIn(f, "HINTS", 1, 0, 1);
  s.ex_freq_enabled = f.ReadInt(kO, "EXFREQ", 0) == 1;
  s.ex_freq1 = ReadRealSetting(f, kO, "EXFREQ1", "0.0");
  s.ex_freq2 = ReadRealSetting(f, kO, "EXFREQ2", "0.0");
  s.h_step = RealIn(f, "HSTEP", 0.01, 0.01, 1.0);
  s.v_step = RealIn(f, "VSTEP", 0.1, 0.1, 10.0);
  s.x_pos = f.ReadInt(kO, "XPOS", 0);
  s.y_pos = f.ReadInt(kO, "YPOS", 0);
}

bool WriteSettings(ProfileFile& f, const Settings& s) {
  ProfileFile::Batch batch(f);
  WriteRealSetting(f, kO, "TIME", s.TimeOffset, 6, 2);
  WriteIntSetting(f, kO, "LOCAL", s.local_clock, 1);
  WriteIntSetting(f, kO, "RADIO", s.RadioModel, 1);
  WriteIntSetting(f, kO, "ANTENNA", s.primary_antenna, 1);
  WriteIntSetting(f, kO, "PORT", s.CommPort, 1);
  WriteIntSetting(f, kO, "TXPACE", s.TxPace, 1);
  WriteIntSetting(f, kO, "RXPACE", s.RxPace, 1);
  WriteIntSetting(f, kO, "RXCOMPLETE", s.complete_reply ? 1 : 0, 1);
  WriteIntSetting(f, kO, "IGNOREDSR", s.IgnoreDSR ? 1 : 0, 1);
  WriteLongSetting(f, kO, "MARK", s.mark_color);
  WriteLongSetting(f, kO, "HIGH", s.high_color);
  WriteIntSetting(f, kO, "HINTS", s.hints, 1);
  return batch.Finish();
}

bool WriteOptionKeys(ProfileFile& f, const Settings& s) {
  ProfileFile::Batch batch(f);
  WriteIntSetting(f, kO, "EXFREQ", s.ex_freq_enabled ? 1 : 0, 1);
  WriteRealSetting(f, kO, "EXFREQ1", s.ex_freq1, 1, 2);
  WriteRealSetting(f, kO, "EXFREQ2", s.ex_freq2, 1, 2);
  WriteRealSetting(f, kO, "HSTEP", s.h_step, 1, 2);
  WriteRealSetting(f, kO, "VSTEP", s.v_step, 1, 2);
  WriteIntSetting(f, kO, "SCANMODE", s.scan_mode, 1);
  WriteIntSetting(f, kO, "SCANTYPE", s.scan_type, 1);
  WriteIntSetting(f, kO, "SCANDELAY", s.scan_delay, 1);
  f.WriteString(kO, "SCANLIST", s.scan_list.substr(0, kScanListMax));
  WriteIntSetting(f, kO, "NETPORT", s.net_port, 1);
  WriteLogDetails(f, s.log);
  return batch.Finish();
}

bool WriteExitSettings(ProfileFile& f, const Settings& s, bool minimised) {
  ProfileFile::Batch batch(f);
  if (!minimised) {
    WriteIntSetting(f, kO, "XPOS", std::max(s.x_pos, 0), 4);
    WriteIntSetting(f, kO, "YPOS", std::max(s.y_pos, 0), 4);
  }
  WriteIntSetting(f, kO, "TIMER", s.timer_enabled, 1);
  WriteIntSetting(f, kO, "CLOCK", s.ClockDisplay, 1);
  return batch.Finish();
}

LogDetails ReadLogDetails(ProfileFile& f) {
  LogDetails d;
  d.dxer = f.ReadString(kLogSection, "DXER", "");
  d.addr1 = f.ReadString(kLogSection, "ADDR1", "");
  d.addr2 = f.ReadString(kLogSection, "ADDR2", "");
  d.rcvr = f.ReadString(kLogSection, "RCVR", "Drake R8");
  d.antenna = f.ReadString(kLogSection, "ANTENNA", "");
  d.condx = f.ReadString(kLogSection, "CONDX", "");
  return d;
}

bool WriteLogDetails(ProfileFile& f, const LogDetails& d) {
  ProfileFile::Batch batch(f);
  f.WriteString(kLogSection, "DXER", d.dxer);
  f.WriteString(kLogSection, "ADDR1", d.addr1);
  f.WriteString(kLogSection, "ADDR2", d.addr2);
  f.WriteString(kLogSection, "RCVR", d.rcvr);
  f.WriteString(kLogSection, "ANTENNA", d.antenna);
  f.WriteString(kLogSection, "CONDX", d.condx);
  return batch.Finish();
}

ComboList DefaultStepList() {
  return {{"       ", "   0.02", "   0.10", "   0.50", "   1.00", "   5.00", "   9.00", "  10.00",
           " 100.00", "1000.00"},
          5};
}

ComboList DefaultOffsetList() {
  return {{"     ", "-2.21", "-1.78", " 0.00", " 1.78", " 2.21"}, 3};
}

void ReadComboList(ProfileFile& f, ComboList& list, std::string_view section,
                   std::string_view prefix, int default_index, int width,
                   std::string_view index_key) {
  const int count = f.ReadInt(section, "COUNT", 0);
  if (count <= 0) {
    list.index = default_index;
    return;
  }
  list.items.assign(1, Spaces(width));
  const int stored = std::min(count, kComboListMaxItems);
  for (int n = 1; n <= stored; ++n) {
    const std::string text =
        TrimStr(f.ReadString(section, std::string(prefix) + std::to_string(n), "0.00"));
    if (text.size() > static_cast<std::size_t>(width) || !ParseDecimal(text)) continue;
    list.items.push_back(PadLeft(text, static_cast<std::size_t>(width)));
  }
  const int last = static_cast<int>(list.items.size()) - 1;
  const int index = f.ReadInt(section, index_key, default_index);
  if (index >= 0 && index <= last) {
    list.index = index;
  } else {
    list.index = default_index >= 0 && default_index <= last ? default_index : 0;
  }
}

bool WriteComboList(ProfileFile& f, const ComboList& list, std::string_view section,
                    std::string_view prefix, std::string_view index_key) {
  ProfileFile::Batch batch(f);
  const int old_count = std::min(f.ReadInt(section, "COUNT", 0), kComboListMaxItems);
  const int count = static_cast<int>(list.items.size()) - 1;
  WriteIntSetting(f, section, "COUNT", std::max(count, 0), 4);
  WriteIntSetting(f, section, index_key, list.index, 4);
  for (int n = 1; n <= count; ++n) {
    f.WriteString(section, std::string(prefix) + std::to_string(n),
                  TrimStr(list.items[static_cast<std::size_t>(n)]));
  }
  // Items the list no longer has would only confuse a reader of the file.
  for (int n = std::max(count, 0) + 1; n <= old_count; ++n) {
    f.DeleteKey(section, std::string(prefix) + std::to_string(n));
  }
  return batch.Finish();
}

}  // namespace r8
