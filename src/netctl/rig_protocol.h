// The text protocol Hamlib's rigctld speaks, as far as a receiver needs it: what a client's line
// asks for, and the reply to it from the receiver's state. Hamlib's own network client
// ("NET rigctl", rigctl -m 2) and the programs built on it talk to the receiver through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "radio/radio_state.h"

namespace r8::netctl {

// Hamlib's error numbers; a reply carries them negated ("RPRT -11").
enum class RigError : int {
  kOk = 0,
  kInvalid = 1,         // a value the command cannot take
  kNotImplemented = 4,  // a command this server does not know
  kIo = 6,              // the receiver did not answer, or its port is closed
  kNotAvailable = 11,   // a command the receiver has no use for (transmitting)
  kBusy = 14,           // the receiver scans by itself, or the program is busy with it
};

// What the protocol needs of the receiver. Setters return false when the receiver did not take
// the command.
class RigReceiver {
 public:
  virtual ~RigReceiver() = default;
  virtual const RadioState& State() const = 0;
  virtual int Model() const = 0;
  // A scan or a memory exchange owns the receiver: set commands are refused and get commands
  // answer from the last state read.
  virtual bool Busy() const = 0;
  virtual bool Connected() const = 0;
  // Reads the receiver's status again.
  virtual void Refresh() = 0;
  virtual bool Tune(double khz) = 0;
  // width: nullopt leaves the bandwidth as it is.
  virtual bool SetMode(ModeCode mode, std::optional<BandwidthCode> width) = 0;
  // Called only when the VFO or the power is to change.
  virtual bool SetVfo(VfoCode vfo) = 0;
  virtual bool SetPower(bool on) = 0;
  // After set commands: the faceplate shows what the receiver now has (and the state is read).
  virtual void Show() = 0;
};

enum class RigKind {
  kIgnore,   // blank line or comment: no reply
  kGet,      // reads the receiver's state
  kSet,      // changes the receiver
  kInfo,     // answered without the receiver (dump_state, chk_vfo)
  kRefused,  // answered with an error straight away
  kQuit,
};

struct RigRequest {
  RigKind kind = RigKind::kIgnore;
  std::string name;  // the long name ("get_freq"); the client's word for an unknown command
  std::vector<std::string> args;
  // 0: the default protocol; otherwise the extended response protocol with this separator.
  char separator = 0;
  RigError refusal = RigError::kOk;  // kRefused: the error to answer
};

RigRequest ParseRigLine(std::string_view line);

// The reply text, ending in a line feed (empty for kIgnore). Set commands act on the receiver.
std::string AnswerRig(const RigRequest& request, RigReceiver& receiver);

// The receiver's filter widths in Hz for a bandwidth code (FM's 12 kHz included).
int WidthHz(BandwidthCode code);
// The filter nearest to a passband in Hz (0: the mode's normal filter); nullopt for -1 (keep)
// and for FM, which has only its own.
std::optional<BandwidthCode> WidthForPassband(long long hz, ModeCode mode);
// The meter level 0..255 as dB relative to S9, on the program's meter scale (S-units of 6 dB
// below S9, 10 dB per mark above it).
int StrengthDb(int meter_level);

std::optional<ModeCode> ModeFromToken(std::string_view token);
std::string_view ModeToken(ModeCode mode);

// The state block Hamlib's network client reads when it connects.
std::string DumpState();

}  // namespace r8::netctl
