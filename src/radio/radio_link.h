// The transport: the one serial port to the receiver, paced writes, fixed-length replies and
// transactions with resynchronisation and retries.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/clock.h"
#include "common/user_prompts.h"
#include "radio/radio_state.h"
#include "radio/serial_port.h"
#include "settings/settings.h"

namespace r8 {

struct CommReadResult {
  std::string reply;
  std::size_t bytes_read = 0;
  int errors = kLineErrorNone;
};

struct TransactResult {
  std::string reply;
  // Bytes that arrived in answer to the command (the resynchronisation reads are not counted).
  std::size_t bytes_read = 0;
  int errors = kLineErrorNone;
  bool sent = false;  // false when the port was unusable and nothing went out
  bool ok = false;    // the expected reply arrived, ending in a line feed
};

inline constexpr std::size_t kQueueSize = 256;
inline constexpr int kAttempts = 3;
inline constexpr std::size_t kFailedReplyLength = 37;
inline constexpr int kBaudRate = 9600;
// After a failed attempt with fast replies, at most this many bytes are waited out.
inline constexpr std::size_t kQuietLimit = 4 * kQueueSize;
// How long characters take on the line at kBaudRate, in whole milliseconds.
std::uint32_t LineTimeMs(std::size_t characters);

class RadioLink {
 public:
  RadioLink(SerialPort& port, Clock& clock, UserPrompts& prompts, const Settings& settings,
            const RadioState& radio);

  std::string CommPortName() const;
  void CommOpen();
  // Applies line settings and timeouts for the model; returns false (PortError 1) when the
  // timeouts cannot be set. Line settings the device refuses leave a line_warning().
  bool CommConfigure(bool apply_flow_control);
  // The last exchange got no proper answer after every retry (a silent or garbling receiver).
  bool last_failed() const { return last_failed_; }
  // What the last configuration could not set, in words for the user; empty when all was set.
  const std::string& line_warning() const { return line_warning_; }
  void CommClose();
  int CommWrite(std::string_view text);
  CommReadResult CommRead(std::size_t count);
  TransactResult RadioTransact(std::string_view text, std::size_t expected_length);
  bool CommDSR();
  bool CommCarrier();
  void PaceDelay(std::uint32_t ms) { DelayMs(clock_, ms); }
  std::size_t InputQueueCount();

  // 1 while the port is closed or unusable: every transaction is then skipped.
  int PortError() const { return port_error_; }
  bool port_open() const { return port_.IsOpen(); }
  int model() const { return settings_.RadioModel; }

  // Set while a faceplate or list scan runs: transactions then leave the cursor alone.
  bool scan_active = false;
  // Set while a memory capture or fill walks the channels: nothing else may talk to the receiver
  // meanwhile (its progress window still lets other events run).
  bool exchange_active = false;
  // Sets exchange_active for as long as it lives.
  class ExchangeGuard {
   public:
    explicit ExchangeGuard(RadioLink& link) : link_(link) { link_.exchange_active = true; }
    ~ExchangeGuard() { link_.exchange_active = false; }
    ExchangeGuard(const ExchangeGuard&) = delete;
    ExchangeGuard& operator=(const ExchangeGuard&) = delete;

   private:
    RadioLink& link_;
  };

  // Told after every open or close whether the port is now usable.
  std::function<void(bool usable)> on_port_changed;

 private:
  void OpenPort();
  // Fast replies take a reply as soon as it is whole, so one that came late would be read as the
  // answer to the next command, and every reply after it would be one behind. After a failed
  // attempt the line is therefore let run quiet (no byte for the pacing) before the next one.
  void LetTheLineRunQuiet();

  SerialPort& port_;
  Clock& clock_;
  UserPrompts& prompts_;
  const Settings& settings_;
  const RadioState& radio_;
  int port_error_ = 1;
  std::string line_warning_;
  PortTimeouts timeouts_;
  bool last_failed_ = false;
};

}  // namespace r8
