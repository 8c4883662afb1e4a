#include "memory/memory_edit.h"

#include <filesystem>

#include "app/app_context.h"
#include "common/format.h"
#include "memory/memory_commands.h"
#include "memory/memory_exchange.h"
#include "radio/radio_model.h"

namespace r8 {

SettingsEnabled SetDisplay(MemorySettings& s, double freq_khz, int model, int default_antenna) {
  SettingsEnabled e;
  const bool vhf = freq_khz > 30000.0;
  if (s.antenna != kAntennaC && vhf) s.antenna = kAntennaC;
  if (s.antenna == kAntennaC && !vhf) {
    s.antenna = default_antenna;
    s.rf = kRfOff;
  }
  if (s.antenna != kAntennaC && freq_khz <= 1800.0 && (s.rf == kRfPre || s.rf == kBlankRf) &&
      model == kModelR8) {
    s.rf = kRfOff;
  }
  if (s.antenna == kAntennaC) {
    s.rf = kBlankRf;
    e.rf = false;
  }
  if (s.mode != kModeFm) {
    if (s.bandwidth == kBw12) s.bandwidth = kBw6_0;
    if (s.agc == kBlankAgc) s.agc = kAgcFast;
    if (s.blanker == kBlankBlanker) s.blanker = 0;
  } else {
    s.bandwidth = kBw12;
    s.agc = kBlankAgc;
    s.notch = kNotchOff;
    s.blanker = kBlankBlanker;
    e.bandwidth = e.agc = e.notch = e.blanker = false;
  }
  const bool sideband = s.mode == kModeLsb || s.mode == kModeUsb;
  if (!(s.mode == kModeAm || (model == kModelR8B && sideband))) {
    s.sync = false;
    e.sync = false;
  }
  return e;
}

bool ChooseItem(MemorySettings& s, SettingList list, int index) {
  int* field = nullptr;
  int blank = 0;
  switch (list) {
    case SettingList::kAntenna:
      field = &s.antenna;
      blank = kBlankAntenna;
      break;
    case SettingList::kRf:
      field = &s.rf;
      blank = kBlankRf;
      break;
    case SettingList::kAgc:
      field = &s.agc;
      blank = kBlankAgc;
      break;
    case SettingList::kBandwidth:
      field = &s.bandwidth;
      blank = kBlankBandwidth;
      break;
    case SettingList::kMode:
      field = &s.mode;
      blank = kBlankMode;
      break;
    case SettingList::kBlanker:
      field = &s.blanker;
      blank = kBlankBlanker;
      break;
  }
  if (index < 0 || index >= blank) return false;
  if (list == SettingList::kBandwidth && index == kBw12) return false;
  *field = index;
  return true;
}

FrequencyCheck CheckFrequency(std::string_view text, int unit) {
  FrequencyCheck c;
  const std::string trimmed = TrimStr(text);
  std::optional<double> value = ParseDecimal(trimmed);
  if (value && unit == kUnitMHz) *value *= 1000.0;
  if (value && TunableKHz(*value)) {
    c.khz = *value;
  } else {
    c.error = "ERROR: Illegal frequency.\r\rYour radio does not tune to " + trimmed + " " +
              (unit == kUnitMHz ? "MHz" : "kHz") + ".";
  }
  return c;
}

MemEditRecord SetDefaults(const RadioState& radio, EditAction action, int channel) {
  MemEditRecord rec;
  rec.action = action;
  MemoryLine& m = rec.line;
  m.channel = channel;
  m.freq_khz = radio.RadioFreq;
  m.unit = radio.BandUnits == BandUnitsCode::kMHz ? kUnitMHz : kUnitKHz;
  MemorySettings& s = m.settings;
  s.antenna = CodeNumber(radio.Antenna);
  s.rf = CodeNumber(radio.RF);
  s.agc = CodeNumber(radio.AGC);
  s.bandwidth = CodeNumber(radio.Bandwidth);
  s.mode = CodeNumber(radio.Mode);
  s.blanker = CodeNumber(radio.NoiseBlanker);
  s.notch = CodeNumber(radio.Notch);
  s.sync = radio.Sync;
  return rec;
}

EditFormView ComputeEditForm(EditAction action, std::string_view file_name) {
  EditFormView v;
  const char* verb = "Insert ";
  if (action == EditAction::kModify) verb = "Modify ";
  if (action == EditAction::kMove) verb = "Move ";
  v.caption = std::string(verb) + "Memory Channel - [" +
              std::filesystem::path(std::string(file_name)).filename().string() + "]";
  const bool edits = action == EditAction::kModify || action == EditAction::kMove;
  v.channel_enabled = action != EditAction::kModify;
  v.frequency_enabled = edits;
  v.add_enabled = action != EditAction::kModify;
  v.fill_enabled = edits;
  v.settings_enabled = action != EditAction::kInsert;
  return v;
}

MemEditRecord OpenForEdit(const AppContext& ctx, EditAction action, int channel) {
  MemEditRecord rec = SetDefaults(ctx.radio(), action, channel);
  const LineReading reading = ReadMemoryLine(ctx.memory().slot(channel));
  if (reading.line) {
    rec.line = *reading.line;
    rec.line.channel = channel;
  }
  return rec;
}

namespace {

// CMMemInsert2: the line into the table when add is set, the channel into a connected receiver
// when fill is set.
void StoreAndFill(AppContext& ctx, const MemEditRecord& record, int source_channel) {
  const int model = ctx.settings().RadioModel;
  if (record.add) {
    ctx.memory().modified = 1;
    ctx.memory().SetSlot(record.line.channel, CreateTuneString(record.line, model));
    if (record.action == EditAction::kMove && record.line.channel != source_channel) {
      DoDelete(ctx, source_channel);
    }
    MemoryTableChanged(ctx);
  }
  if (!record.fill || ctx.link().PortError() != 0) return;
  FillChannel(ctx, record.line);
  if (model != kModelR8) ctx.control().StoreRadioMemName(record.line.notes);
}

// Out of memory mode and onto the other VFO for fills; returns whether memory mode was left.
bool EnterFill(AppContext& ctx) {
  RadioControl& c = ctx.control();
  const bool left = ctx.radio().MemoryMode == MemoryModeCode::kChannel;
  if (left) c.RadioCommand(kCmdMemoryMode, false);
  c.RadioCommand(kCmdVfo, true);
  return left;
}

void LeaveFill(AppContext& ctx, bool restore_memory_mode) {
  ctx.control().RadioCommand(kCmdVfo, true);
  if (restore_memory_mode) ctx.control().RadioCommand(kCmdMemoryMode, true);
}

}  // namespace

void ApplyEdit(AppContext& ctx, const MemEditRecord& record, int source_channel) {
  const bool fill = record.fill && ctx.link().PortError() == 0;
  if (fill) EnterFill(ctx);
  StoreAndFill(ctx, record, source_channel);
  if (fill) LeaveFill(ctx, false);
}

bool ReadDropRow(std::string_view row, MemEditRecord& rec) {
  if (row.size() < 25) return false;
  const std::optional<double> khz = ParseDecimal(TrimStr(row.substr(18, 7)));
  if (!khz || !TunableKHz(*khz)) return false;
  MemoryLine& m = rec.line;
  m.freq_khz = *khz;
  m.unit = kUnitKHz;
  const std::string code(row.size() >= 28 ? row.substr(26, 2) : "  ");
  if (code == "  ") return true;
  int mode = kModeAm;
  int bandwidth = kBw6_0;
  if (code[1] == 'F' || code[1] == 'f') {
    switch (code[0]) {
      case 'C':
        mode = kModeCw;
        bandwidth = 5;
        break;
      case 'F':
        mode = kModeFm;
        bandwidth = kBw12;
        break;
      case 'L':
        mode = kModeLsb;
        bandwidth = 3;
        break;
      case 'R':
        mode = kModeRtty;
        bandwidth = 3;
        break;
      case 'U':
        mode = kModeUsb;
        bandwidth = 3;
        break;
      default:
        break;
    }
  }
  if (mode != m.settings.mode) {
    m.settings.mode = mode;
    m.settings.bandwidth = bandwidth;
  }
  return true;
}

int DropFreqInsert(AppContext& ctx, const std::vector<std::string>& rows, std::string_view caption,
                   const std::function<bool(MemEditRecord&)>& ask) {
  const bool connected = ctx.link().PortError() == 0;
  const int model = ctx.settings().RadioModel;
  const int count = MemoryChannelCount(model);
  const int antenna = ctx.settings().primary_antenna == 2 ? 1 : 0;
  MemEditRecord rec;
  rec.action = EditAction::kDropInsert;
  rec.line.channel = connected ? ctx.radio().MemChannel : 0;
  rec.line.notes = TrimStr(caption);
  rec.line.settings =
      MemorySettings{antenna, kRfOff, kAgcFast, kBw6_0, kModeAm, 0, kNotchOff, false};
  MemorySettings templ;
  bool first = true, filling = false, left_memory_mode = false;
  int stored = 0;
  for (const std::string& row : rows) {
    if (!first && ++rec.line.channel >= count) break;
    // A row without a frequency is passed over; its channel stays free for the next.
    if (!ReadDropRow(row, rec)) {
      if (!first) --rec.line.channel;
      continue;
    }
    if (first) {
      if (!ask(rec)) break;
      first = false;
      rec.add = true;
      rec.fill = true;
      templ = rec.line.settings;
    } else {
      // The row gives frequency and mode; the first row's dialog gives the rest.
      const int mode = rec.line.settings.mode, bandwidth = rec.line.settings.bandwidth;
      rec.line.settings = templ;
      rec.line.settings.mode = mode;
      rec.line.settings.bandwidth = bandwidth;
      SetDisplay(rec.line.settings, rec.line.freq_khz, model, antenna);
      if (rec.line.settings.mode != kModeAm) rec.line.settings.sync = false;
    }
    if (connected && !filling) {
      left_memory_mode = EnterFill(ctx);
      filling = true;
    }
    StoreAndFill(ctx, rec, rec.line.channel);
    ++stored;
  }
  if (filling) LeaveFill(ctx, left_memory_mode);
  return stored;
}

}  // namespace r8
