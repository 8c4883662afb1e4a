// The receiver command protocol: front-panel commands, tuning, the status poll, power, channels,
// the display commands of the R8A/R8B and the memory operations, all built from RadioState and
// sent through the transport.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "radio/radio_link.h"
#include "radio/radio_state.h"
#include "settings/settings.h"

namespace r8 {

// Front-panel command ids (the Tag of the control and of its menu item).
enum CommandId : int {
  kCmdTape = 101,
  kCmdMemoryMode = 104,
  kCmdNoiseBlanker = 106,
  kCmdNotch = 107,
  kCmdVfo = 201,
  kCmdVfoAEqualsB = 202,
  kCmdAntenna = 203,
  kCmdRf = 204,
  kCmdAgc = 205,
  kCmdBandwidth = 206,
  kCmdMode = 207,
  kCmdSync = 209,
};

// The text of a front-panel command for the state as it is after the command's own toggle, or
// nullopt when the field holds a value that has no command (no carriage return included).
std::optional<std::string> FrontPanelText(int id, const RadioState& radio);

struct PollResult {
  bool read = false;           // a status line of the right length arrived without line errors
  bool ignored = false;        // a scanning receiver's line that did not stop on a signal
  bool scan_ended = false;     // the receiver was scanning by itself and now is not
  bool power_came_on = false;  // PowerOn seen true after having been false
};

// Reads in a row that bring nothing from a receiver believed to be scanning before it is asked
// for its status again.
inline constexpr int kSilentScanReads = 10;

class RadioControl {
 public:
  RadioControl(RadioLink& link, RadioState& radio, const Settings& settings, Clock& clock);

  // Called when a command asks for the faceplate to re-read the receiver (command 1964).
  // Both set once by the context, which passes them on to every window that follows them.
  std::function<void()> on_update_display;
  // After a frequency was sent: the frequency (kHz) the receiver now has.
  std::function<void(double)> on_tuned;

  // Toggles the field where the command does, sends the command and, with notify, asks for a
  // display update. Returns whether anything was sent.
  bool RadioCommand(int id, bool notify);
  // Tunes the receiver to freq_khz + FreqOffset, switching the antenna first where that
  // frequency calls for another. RadioFreq holds the tuned frequency until the next poll.
  void TuneRadio(double freq_khz);
  int StatusReplyLength() const;

  // The status poll: "RA" (or, while the receiver scans by itself, only a read of the line it
  // sends), then the decode into RadioState.
  PollResult PollStatus();
  // The "RS" that follows the power-on edge and the end of a receiver scan.
  void SendFollowUps(const PollResult& poll);

  void PowerToggle();
  // "U"/"D": the receiver steps its memory channel.
  void StepChannel(bool up);
  void RecallChannel(int channel);
  bool StoreRadioChannel(int channel);
  // Names the current channel after the first seven characters of notes; true when the name
  // was acknowledged or there was no name to send.
  bool StoreRadioMemName(std::string_view notes);
  void MemoryFillPreamble();

  void SetRadioClocks();
  void SetRadioBandDisplay();
  void SetRadioMemTune();
  void SetRadioNameMode(int item);
  void StepRadioStep();
  void ToggleRadioBright();
  void SetRadioDisplayMode(int item);
  void SetRadioClockDisplay(int clock_display);

  void VfoAEqualsB();
  void SetRadioMode(ModeCode mode);
  // Leaves the receiver's synchro as the record says; am_only sends nothing unless the mode is
  // AM and the record has synchro on.
  void SetRadioSync(bool record_sync, bool am_only);

  const RadioState& radio() const { return radio_; }

 private:
  bool IsR8() const;
  bool IsR8AOrB() const;
  TransactResult Send(const std::string& text, std::size_t expected);
  std::string ChannelText(int channel) const;

  RadioLink& link_;
  RadioState& radio_;
  const Settings& settings_;
  Clock& clock_;
  bool power_seen_ = false;
  int silent_scan_reads_ = 0;  // reads in a row that got nothing while the receiver scans
  // The frequency the receiver last reported or acknowledged.
  double confirmed_freq_ = 0.0;
};

}  // namespace r8
