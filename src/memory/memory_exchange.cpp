#include "memory/memory_exchange.h"

#include "app/app_context.h"
#include "common/confirm_save.h"
#include "common/format.h"
#include "memory/memory_commands.h"
#include "radio/radio_model.h"
#include "radio/status_line.h"

namespace r8 {
namespace {

bool IsR8(const AppContext& ctx) { return ctx.settings().RadioModel == kModelR8; }

std::string ChannelDigits(const AppContext& ctx, int channel) {
  return IsR8(ctx) ? IntToStr2Z(channel) : IntToStr3Z(channel);
}

bool Confirm(AppContext& ctx, const std::string& what) {
  MessageRequest r;
  r.kind = MessageKind::kConfirmation;
  r.buttons = MessageButtons::kYesNo;
  r.text = what + "\r\rAre you sure you want to continue?";
  return ctx.prompts().Message(r) == Answer::kYes;
}

FillAnswer AskAbortRetryIgnore(AppContext& ctx, const std::string& text) {
  MessageRequest r;
  r.kind = MessageKind::kError;
  r.caption = "Error";
  r.buttons = MessageButtons::kAbortRetryIgnore;
  r.text = text;
  switch (ctx.prompts().Message(r)) {
    case Answer::kRetry:
      return FillAnswer::kRetry;
    case Answer::kAbort:
      return FillAnswer::kAbort;
    default:
      return FillAnswer::kIgnore;
  }
}

void RememberFile(AppContext& ctx) {
  ctx.settings().mem_file = ctx.memory().file_name;
  ctx.profile().WriteString("OPTIONS", "MEMFILE", ctx.memory().file_name);
}

// Step k of a walk that started at start: 1 for the channel after it, count for start itself.
int WalkPosition(int channel, int start, int count) {
  const int p = channel - start;
  return p > 0 ? p : p + count;
}

template <typename Code>
void SetWhenDifferent(AppContext& ctx, Code& field, int index, int blank, int id) {
  if (index < 0 || index >= blank || CodeNumber(field) == index) return;
  field = static_cast<Code>(index);
  ctx.control().RadioCommand(id, false);
}

}  // namespace

bool FillChannel(AppContext& ctx, const MemoryLine& line) {
  RadioControl& c = ctx.control();
  RadioState& r = ctx.radio();
  const MemorySettings& s = line.settings;
  // Always tuned: the receiver's own frequency is what the channel keeps.
  c.TuneRadio(line.freq_khz - r.FreqOffset);
  if (!IsR8(ctx)) {
    r.BandUnits = line.unit == kUnitMHz ? BandUnitsCode::kMHz : BandUnitsCode::kKHz;
    c.SetRadioBandDisplay();
  }
  SetWhenDifferent(ctx, r.Antenna, s.antenna, kBlankAntenna, kCmdAntenna);
  if (s.mode >= 0 && s.mode < kBlankMode) {
    // The synchro is set in AM on every model, then the mode follows: the receiver keeps the
    // synchro it had, so a stored channel would otherwise carry the one before it.
    c.SetRadioMode(ModeCode::kAm);
    c.SetRadioSync(s.sync, false);
    c.SetRadioMode(static_cast<ModeCode>(s.mode));
  }
  if (r.Antenna != AntennaCode::kC) SetWhenDifferent(ctx, r.RF, s.rf, kBlankRf, kCmdRf);
  if (r.Mode != ModeCode::kFm) {
    SetWhenDifferent(ctx, r.AGC, s.agc, kBlankAgc, kCmdAgc);
    if (s.bandwidth != kBw12) {
      SetWhenDifferent(ctx, r.Bandwidth, s.bandwidth, kBlankBandwidth, kCmdBandwidth);
    }
    SetWhenDifferent(ctx, r.NoiseBlanker, s.blanker, kBlankBlanker, kCmdNoiseBlanker);
    if ((s.notch == kNotchOn || s.notch == kNotchOff) && CodeNumber(r.Notch) != s.notch) {
      r.Notch = Flipped(static_cast<NotchCode>(s.notch));
      c.RadioCommand(kCmdNotch, false);
    }
  }
  return c.StoreRadioChannel(line.channel);
}

CaptureOutcome CMMemoryCapture(AppContext& ctx, MemoryProgress* progress) {
  CaptureOutcome out;
  if (ctx.link().PortError() != 0) return out;
  if (!Confirm(ctx, "About to capture the radio's memories.")) return out;
  switch (ConfirmSaveChanges(ctx.prompts(), "Memory file", "capturing", ctx.memory().modified)) {
    case Answer::kYes:
      // A table the user wanted kept and that could not be saved is not thrown away.
      if (!MemorySave(ctx)) return out;
      break;
    case Answer::kNo:
      ctx.memory().modified = 0;
      break;
    default:
      return out;
  }
  out.ran = true;
  const RadioLink::ExchangeGuard exchange(ctx.link());
  RadioState& r = ctx.radio();
  RadioControl& c = ctx.control();
  RadioLink& link = ctx.link();
  const int model = ctx.settings().RadioModel;
  const int count = MemoryChannelCount(model);
  const std::size_t reply_length = static_cast<std::size_t>(StatusReplyLength(model));
  const std::size_t line_length = IsR8(ctx) ? 23 : 24;
  MemoryDocument& doc = ctx.memory();
  doc.Clear();
  if (progress) {
    progress->Open("Memory Capture", "Wait...  Capturing Memories.");
    progress->Position(0, count);
  }

  const bool was_memory_mode = r.MemoryMode == MemoryModeCode::kChannel;
  const bool mem_tune = r.MemTune == 1;
  r.MemTune = 0;
  c.SetRadioMemTune();
  if (!was_memory_mode) {
    c.RadioCommand(kCmdVfo, false);
    link.RadioTransact("C\r", 2);
    r.MemoryMode = MemoryModeCode::kChannel;
  }
  // The start is the channel the receiver shows now, asked rather than remembered.
  int start = r.MemChannel;
  {
    const TransactResult t = link.RadioTransact("RA\r", reply_length);
    const int shown = t.ok ? LineChannel(t.reply) : -1;
    if (shown >= 0 && shown < count) start = shown;
  }

  // Bounded: the walk reads at most count channels and ends at the first reply that names none.
  bool complete = false;
  for (int i = 0; i < count; ++i) {
    if (progress && progress->CancelRequested()) {
      out.cancelled = true;
      break;
    }
    c.StepChannel(true);
    const TransactResult t = link.RadioTransact("RA\r", reply_length);
    const int channel =
        t.ok && t.reply.size() >= reply_length && t.reply[0] == '*' ? LineChannel(t.reply) : -1;
    if (channel < 0 || channel >= count) break;
    std::string slot = t.reply.substr(0, line_length);
    if (!IsR8(ctx) && t.reply.size() > 25) {
      const std::string name = TrimStr(t.reply.substr(25, kNameLength));
      if (!name.empty()) slot += "\t" + name;
    }
    doc.SetSlot(channel, slot);
    ++out.channels_read;
    if (progress) progress->Position(WalkPosition(channel, start, count), count);
    if (channel == start) {
      complete = true;
      break;
    }
  }
  out.receiver_stopped = !complete && !out.cancelled;
  if (progress) progress->Close();

  if (!was_memory_mode) {
    c.TuneRadio(r.RadioFreq);
    c.RadioCommand(kCmdVfo, false);
    r.MemoryMode = MemoryModeCode::kVfo;
  }
  if (mem_tune) {
    r.MemTune = 1;
    c.SetRadioMemTune();
  }
  if (out.receiver_stopped) {
    ShowMessage(ctx.prompts(), MessageKind::kWarning,
                "The capture stopped after " + std::to_string(out.channels_read) + " of " +
                    std::to_string(count) +
                    " channels: the receiver did not answer as expected. The channels read so "
                    "far are kept.");
  }
  doc.file_name = std::string(kUntitled);
  doc.modified = 1;
  MemoryTableChanged(ctx);
  out.saved = MemorySave(ctx);
  if (out.saved) RememberFile(ctx);
  return out;
}

FillOutcome CMMemoryFill(AppContext& ctx, MemoryProgress* progress) {
  FillOutcome out;
  if (ctx.link().PortError() != 0) return out;
  if (!Confirm(ctx, "About to fill the radio's memories.")) return out;
  out.ran = true;
  const RadioLink::ExchangeGuard exchange(ctx.link());
  RadioState& r = ctx.radio();
  RadioControl& c = ctx.control();
  const int count = MemoryChannelCount(ctx.settings().RadioModel);
  const bool r8 = IsR8(ctx);

  const bool was_memory_mode = r.MemoryMode == MemoryModeCode::kChannel;
  if (was_memory_mode) c.RadioCommand(kCmdMemoryMode, false);
  c.RadioCommand(kCmdVfo, true);
  // The other VFO's settings, so that "set when different" compares with what it really holds.
  c.PollStatus();
  if (!r8) c.MemoryFillPreamble();
  if (progress) {
    progress->Open("Memory Fill", "Wait...  Filling Memories.");
    progress->Position(0, count);
  }
  const int start = r.MemChannel >= 0 && r.MemChannel < count ? r.MemChannel : 0;
  for (int i = 1; i <= count && !out.aborted; ++i) {
    if (progress && progress->CancelRequested()) {
      out.cancelled = true;
      break;
    }
    const int channel = (start + i) % count;
    const std::string& slot = ctx.memory().slot(channel);
    if (!SlotOccupied(slot)) continue;
    LineReading reading = ReadMemoryLine(slot);
    if (!reading.line || reading.line->channel != channel) {
      ++out.channels_unreadable;
      continue;
    }
    MemoryLine line = std::move(*reading.line);
    FillAnswer answer = FillAnswer::kOk;
    do {
      answer = FillAnswer::kOk;
      if (!FillChannel(ctx, line)) {
        answer = AskAbortRetryIgnore(ctx, "An error occurred when trying to fill channel " +
                                              ChannelDigits(ctx, channel) + ".");
        if (answer == FillAnswer::kRetry) {
          r.MemoryMode = MemoryModeCode::kChannel;
          c.RadioCommand(kCmdMemoryMode, false);
        }
      }
      if (!r8 && !c.StoreRadioMemName(line.notes)) {
        answer = AskAbortRetryIgnore(ctx, "An error occurred when trying to fill channel " +
                                              IntToStr3Z(channel) + "'s name.");
      }
    } while (answer == FillAnswer::kRetry);
    if (answer == FillAnswer::kOk) {
      ++out.channels_filled;
    } else {
      ++out.channels_failed;
    }
    if (answer == FillAnswer::kAbort) out.aborted = true;
    if (progress) progress->Position(WalkPosition(channel, start, count), count);
  }
  if (progress) progress->Close();
  c.RadioCommand(kCmdVfo, true);
  if (!out.aborted && ctx.memory().file_name != kUntitled) RememberFile(ctx);
  if (was_memory_mode && r.MemoryMode == MemoryModeCode::kVfo && !out.aborted) {
    c.RadioCommand(kCmdMemoryMode, true);
  }
  if (out.channels_unreadable > 0) {
    ShowMessage(ctx.prompts(), MessageKind::kWarning,
                std::to_string(out.channels_unreadable) +
                    " channels of the memory file could not be read and were not filled.");
  }
  return out;
}

}  // namespace r8
