// The emulated receiver behind the SerialPort port, in process: what the program writes and what
// the receiver answers both travel at 9600 baud (10 bits a character), and a read waits through
// the clock (a fake clock in tests, so waiting costs no real time). Tests can stage line faults,
// counted or by chance (a FaultPlan).
//
// Decisions the port makes on its own:
// - Open succeeds for any name unless a test made it fail; the receiver keeps running (and keeps
//   its state) across close and open, as a real set would.
// - A read timeout of 0 returns at once with what has arrived; it never blocks.
// - Once Configure is given line settings that differ from the model's (9600 7E1 for the R8, 9600
//   8N1 for the R8A/R8B), the receiver hears nothing and every read reports a framing error.
// - Purge drops what has arrived; bytes still on the wire arrive afterwards, as on a real line.
// - More than kMaxInput unread bytes overflow: the excess is lost and the next read reports an
//   overrun.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/clock.h"
#include "emulator/fault_plan.h"
#include "emulator/receiver.h"
#include "emulator/serial_line.h"
#include "radio/serial_port.h"

namespace r8::emulator {

class EmulatedSerialPort : public SerialPort {
 public:
  // How GarbleReplies spoils a reply.
  enum class Garble {
    kFlipBits,      // every byte changed, same length (the line feed is lost)
    kKeepLineFeed,  // every byte but a final line feed changed, same length
    kShorter,       // the last byte dropped
    kLonger,        // one byte more, in front
  };
  static constexpr std::size_t kMaxInput = 4096;

  // model: kModelR8, kModelR8A or kModelR8B.
  EmulatedSerialPort(Clock& clock, int model);

  bool Open(const std::string& name) override;
  void Close() override;
  bool IsOpen() const override { return open_; }
  bool SetQueueSizes(std::size_t input, std::size_t output) override;
  bool Configure(const LineSettings& settings) override;
  bool SetTimeouts(const PortTimeouts& timeouts) override;
  int Write(std::string_view bytes) override;
  ReadResult Read(std::size_t count) override;
  ReadResult ReadReply(std::size_t count) override;
  void Purge() override;
  std::size_t InputQueueCount() override;
  ModemLines Modem() override;

  // What the program gave the port.
  const std::string& open_name() const { return open_name_; }
  int open_count() const { return open_count_; }
  const LineSettings& line_settings() const { return line_settings_; }
  int configure_count() const { return configure_count_; }
  const PortTimeouts& timeouts() const { return timeouts_; }
  std::size_t input_queue_size() const { return input_queue_size_; }
  std::size_t output_queue_size() const { return output_queue_size_; }
  int purge_count() const { return purge_count_; }

  // The commands the receiver parsed, with their terminators as received.
  // Every command the program has sent, as the receiver hears it (one still on the wire is taken
  // to its arrival).
  const std::vector<std::string>& commands() {
    HearEverythingSent();
    return receiver_.commands();
  }
  // The latest command, or "" when there is none.
  std::string LastCommand();
  void ClearLog() {
    HearEverythingSent();
    receiver_.ClearLog();
  }

  // The receiver once it has heard everything sent so far.
  Receiver& receiver() {
    HearEverythingSent();
    return receiver_;
  }
  // Receiver time: milliseconds of the clock since the port was made.
  std::uint64_t NowMs();
  // The receiver's own scan, started and stopped from its front panel at the present time.
  void StartReceiverScan(ScanKind kind);
  void StopReceiverScan();

  // Faults for tests. Counts apply to the receiver's next messages, answers and scan lines alike.
  void DropReplies(int count);
  void GarbleReplies(int count, Garble how = Garble::kFlipBits);
  void DelayReplies(int count, std::uint32_t delay_ms);
  // Silent: the receiver still obeys commands but sends nothing.
  void SetSilent(bool silent) { silent_ = silent; }
  // Unplugged: DSR and carrier detect off, the receiver hears nothing and nothing arrives.
  void SetPlugged(bool plugged);
  void FailNextOpen(int count = 1);
  // Faults by chance on every message after the counted ones above.
  void SetFaultPlan(const FaultPlan& plan, std::uint32_t seed) { faults_ = {plan, seed}; }
  const FaultCounts& fault_counts() const { return faults_.counts(); }

 private:
  // Runs the receiver up to now and moves what it sent onto the wire and what arrived into the
  // input queue.
  void Pump(std::uint64_t now_ms);
  // Hands the receiver what has reached it by until_ms, each part at its own arrival time.
  void Deliver(std::uint64_t until_ms);
  void HearEverythingSent();
  ReadResult ReadUntil(std::size_t count, bool stop_at_line_feed);
  void Spoil(Reply& reply);
  bool LineMatches() const;

  Clock& clock_;
  Receiver receiver_;
  SerialLine line_;         // receiver to program
  SerialLine to_receiver_;  // program to receiver
  FaultInjector faults_;
  std::uint32_t last_tick_;
  std::uint64_t elapsed_ms_ = 0;

  bool open_ = false;
  std::string input_;
  bool overrun_ = false;

  std::string open_name_;
  int open_count_ = 0;
  LineSettings line_settings_;
  bool configured_ = false;
  int configure_count_ = 0;
  PortTimeouts timeouts_;
  std::size_t input_queue_size_ = 0;
  std::size_t output_queue_size_ = 0;
  int purge_count_ = 0;

  int drop_count_ = 0;
  int garble_count_ = 0;
  Garble garble_how_ = Garble::kFlipBits;
  int delay_count_ = 0;
  std::uint32_t delay_ms_ = 0;
  bool silent_ = false;
  bool plugged_ = true;
  int fail_opens_ = 0;
};

}  // namespace r8::emulator
