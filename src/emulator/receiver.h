// The receiver's side of the serial line: an R8, R8A or R8B with its front panel, memory channels,
// signal meter, squelch and its own scan. It works on receiver time in milliseconds given by the
// caller, so it behaves the same under a fake clock and a real one; the bytes it answers are handed
// out as timed messages, and putting them on the line at 9600 baud is the caller's business
// (SerialLine).
//
// What the texts leave open, decided here:
// - A garbled, unknown or malformed command, and one that overflows the command buffer, is answered
//   with the single byte '?': no line feed, so no transaction takes it for an acknowledgement, and
//   the transport's resynchronisation (" " + CR, then a one-byte read) gets exactly that byte.
// - The tune value is kHz x 100 when the antenna is 1 or 2 and kHz x 10 on the converter input
//   ("AC" is always sent before a VHF tune); a value outside the band of the antenna is malformed.
// - Tuning in memory mode without memory tune takes the channel's settings into the VFO and returns
//   to VFO mode; "VA"/"VB" also return to VFO mode. "U"/"D" step the channel in memory mode, tune
//   by the step size in VFO mode, and set the direction of a running scan.
// - Storing ("PR" then the channel number, with or without "C" before it) makes that channel the
//   current one and clears its name. An erased channel reads back as stored defaults at 100 kHz:
//   the status line has no way to show an empty channel.
// - "NC" names the current channel in memory mode only; in VFO mode it is malformed.
// - While switched off ("PF") every command gets its usual answer but changes nothing, apart from
//   "PO"; the status line then carries blanks where the frequency would be.
// - The scan steps every kScanStepMs and sends a status line each time (scan bit set). It stops by
//   itself on a signal that opens the squelch, and its last line then has '*' at the squelch
//   position and the scan bit clear. A stop from the front panel (StopScan) also ends with such a
//   line, since the program takes only '*' lines during a scan. "RS" and any command that changes a
//   setting stop it quietly; queries leave it running.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/command_parser.h"
#include "emulator/receiver_types.h"
#include "emulator/status_reply.h"

namespace r8::emulator {

class Receiver {
 public:
  static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
  static constexpr std::uint32_t kScanStepMs = 100;
  // Messages not yet taken beyond this are lost, as from a full transmit buffer.
  static constexpr std::size_t kMaxQueuedReplies = 256;
  // The command log keeps at most this many of the latest commands.
  static constexpr std::size_t kLogLimit = 65536;
  // An erased channel reads back at this frequency.
  static constexpr std::int32_t kErasedChannelFreq = kHfLow;

  // model: kModelR8, kModelR8A or kModelR8B; any other number is taken as the R8A.
  explicit Receiver(int model);

  int model() const { return model_; }
  int channel_count() const { return static_cast<int>(channels_.size()); }

  // Bytes from the line, arriving at now_ms. Time never goes back: an earlier now_ms counts as the
  // latest time seen.
  void Receive(std::string_view bytes, std::uint64_t now_ms);
  // Runs the receiver's own timing (its scan) up to now_ms.
  void AdvanceTo(std::uint64_t now_ms);
  // When the receiver next acts by itself, or kNever.
  std::uint64_t NextEventMs() const;
  // The messages produced since the last call, oldest first.
  std::vector<Reply> TakeReplies();

  // The front panel's scan key: a memory scan steps the stored channels (all of them when none is
  // stored), a frequency scan steps the active VFO by the step size between the frequencies of
  // VFO A and B (the whole band segment when they are equal). Ignored while switched off.
  void StartScan(ScanKind kind, std::uint64_t now_ms);
  void StopScan(std::uint64_t now_ms);

  const ReceiverState& state() const { return state_; }
  // The tuning on show: the active VFO, or the channel's working copy in memory mode.
  const Tuning& shown() const;
  // number is clamped to the channels there are.
  const Channel& channel(int number) const;
  int SignalLevel() const;
  // The squelch is open on a carrier; carrier detect follows it.
  bool SquelchOpen() const;
  PanelView View() const;
  // The "RA" reply as it would be sent now.
  std::string StatusLine() const { return emulator::StatusLine(model_, View()); }
  // Seconds of the day shown by one of the R8A/R8B clocks at now_ms.
  int ClockSeconds(ClockShown which, std::uint64_t now_ms) const;

  // Every command parsed, with its terminator as received ("F0958000" on the R8, "F0958000\r" on
  // the R8A), garbage included.
  const std::vector<std::string>& commands() const { return log_; }
  void ClearLog() { log_.clear(); }
  // Called with each command as it is parsed (for tracing).
  void SetCommandObserver(std::function<void(std::string_view)> observer) {
    observer_ = std::move(observer);
  }

 private:
  void Execute(const std::string& text, std::uint64_t now_ms);
  // The reply to one command (empty for none); applies its effect while switched on.
  std::string Handle(std::string_view body, bool& accepted);
  std::string HandleUnterminated(std::string_view body, bool store, bool& accepted);
  std::string HandleDisplayCommand(std::string_view body, bool& accepted);
  bool Tune(std::int32_t value);
  // number is a channel the model has: every caller checks it first.
  void Recall(int number);
  void Store(int number);
  void StepUpDown(int direction);
  void EraseChannel(int number);
  Tuning& Mutable();
  std::string Ack() const;
  void Emit(std::string bytes, std::uint64_t at_ms, bool unasked);
  void Log(const std::string& text);
  void ScanStep(std::uint64_t at_ms);
  void EmitScanLine(std::uint64_t at_ms, bool final_line);

  int model_;
  CommandParser parser_;
  ReceiverState state_;
  std::vector<Channel> channels_;
  bool store_pending_ = false;  // "PR" came; the channel number is next
  std::uint64_t now_ms_ = 0;
  std::vector<Reply> outbox_;
  std::vector<std::string> log_;
  std::function<void(std::string_view)> observer_;
  ScanKind scan_kind_ = ScanKind::kMemory;
  int scan_direction_ = 1;
  std::uint64_t scan_next_ms_ = 0;
  std::int32_t scan_low_ = 0;
  std::int32_t scan_high_ = 0;
};

}  // namespace r8::emulator
