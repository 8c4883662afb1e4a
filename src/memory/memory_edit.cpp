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
    case SettingList::kAntenna: field = &s.antenna; blank = kBlankAntenna; break;
    case SettingList::kRf: field = &s.rf; blank = kBlankRf; break;
    case SettingList::kAgc: field = &s.agc; blank = kBlankAgc; break;
    case SettingList::kBandwidth: field = &s.bandwidth; blank = kBlankBandwidth; break;
    case SettingList::kMode: field = &s.mode; blank = kBlankMode; break;
    case SettingList::kBlanker: field = &s.blanker; blank = kBlankBlanker; break;
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

void ApplyEdit(AppContext& ctx, const MemEditRecord& record, int source_channel) {
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
  RadioControl& c = ctx.control();
  if (ctx.radio().MemoryMode == MemoryModeCode::kChannel) c.RadioCommand(kCmdMemoryMode, false);
  c.RadioCommand(kCmdVfo, true);
  FillChannel(ctx, record.line);
  if (model != kModelR8) c.StoreRadioMemName(record.line.notes);
  c.RadioCommand(kCmdVfo, true);
}

}  // namespace r8
