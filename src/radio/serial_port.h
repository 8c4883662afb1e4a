// The port through which the transport reaches a serial line: a real one (Qt adapter) or the
// built-in emulated receiver. It offers what the transport needs of the platform's serial calls:
// exclusive open, line settings, timeouts, paced writes, fixed-count reads with a timeout,
// purging, the input queue count and the DSR and carrier-detect modem lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace r8 {

enum class Parity { kNone, kEven };

struct LineSettings {
  int baud = 9600;
  int data_bits = 8;
  Parity parity = Parity::kNone;
  int stop_bits = 1;
  // Flow control and handshaking (the R8 wants CTS/DSR output flow control and DTR handshaking;
  // the R8A/R8B none of it, with DTR simply on).
  bool cts_output_flow = false;
  bool dsr_output_flow = false;
  bool dtr_handshake = false;
  bool dtr_on = true;
  bool rts_toggle = false;
  bool parity_check = false;
  bool operator==(const LineSettings&) const = default;
};

struct PortTimeouts {
  std::uint32_t read_total_ms = 0;        // a read gives up after this long
  std::uint32_t write_multiplier_ms = 0;  // per byte written
  std::uint32_t write_constant_ms = 0;
  bool operator==(const PortTimeouts&) const = default;
};

// Line error flags, as the platform reports them; 0 means no error.
inline constexpr int kLineErrorNone = 0;
inline constexpr int kLineErrorOverrun = 0x0002;
inline constexpr int kLineErrorParity = 0x0004;
inline constexpr int kLineErrorFrame = 0x0008;
inline constexpr int kLineErrorIo = 0x0100;  // the device failed or went away

struct ReadResult {
  std::string bytes;  // what arrived, at most the count asked for
  int errors = kLineErrorNone;
  bool ok = true;  // false when the read itself failed (errors then says why)
};

struct ModemLines {
  bool dsr = false;
  bool carrier = false;  // receive-line-signal-detect
};

class SerialPort {
 public:
  virtual ~SerialPort() = default;

  // name is the program's port name ("COM1".."COM8"); the port decides what it means.
  virtual bool Open(const std::string& name) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;

  virtual bool SetQueueSizes(std::size_t input, std::size_t output) = 0;
  // False when the device could not take every setting; ConfigureProblem() then names them.
  virtual bool Configure(const LineSettings& settings) = 0;
  virtual std::string ConfigureProblem() const { return {}; }
  virtual bool SetTimeouts(const PortTimeouts& timeouts) = 0;

  // Writes all bytes; returns the line error flags (0 when none).
  virtual int Write(std::string_view bytes) = 0;
  // Waits for count bytes until the read timeout runs out; returns what arrived.
  virtual ReadResult Read(std::size_t count) = 0;
  // As Read, but also returns as soon as a line feed has arrived, so that a reply that came up
  // short ends there rather than at the timeout.
  virtual ReadResult ReadReply(std::size_t count) { return Read(count); }
  // Discards both queues: what is waiting to go out and what has come in.
  virtual void Purge() = 0;
  virtual std::size_t InputQueueCount() = 0;
  virtual ModemLines Modem() = 0;
  virtual void ClearBreak() {}
  virtual void FlushOutput() {}
};

}  // namespace r8
