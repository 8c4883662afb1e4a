// A serial port for transport tests: every write is recorded, and each read takes the next
// scripted answer, so a test can stage exactly the line faults it wants.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "radio/serial_port.h"

namespace r8::testing {

class ScriptedSerialPort : public SerialPort {
 public:
  bool Open(const std::string& name) override {
    opened.push_back(name);
    open_ = open_succeeds;
    return open_;
  }
  void Close() override {
    open_ = false;
    ++closes;
  }
  bool IsOpen() const override { return open_; }
  bool SetQueueSizes(std::size_t in, std::size_t out) override {
    queue_in = in;
    queue_out = out;
    return true;
  }
  bool Configure(const LineSettings& s) override {
    line = s;
    ++configures;
    return configure_succeeds;
  }
  bool SetTimeouts(const PortTimeouts& t) override {
    timeouts = t;
    return true;
  }
  int Write(std::string_view bytes) override {
    writes.emplace_back(bytes);
    written += bytes;
    return write_errors;
  }
  ReadResult Read(std::size_t count) override {
    reads.push_back(count);
    ReadResult r;
    if (!answers.empty()) {
      r.bytes = answers.front().substr(0, count);
      answers.pop_front();
    } else if (acknowledge && count > 0) {
      r.bytes = std::string(count - 1, '\r') + '\n';
    }
    return r;
  }
  ReadResult ReadReply(std::size_t count) override {
    reply_read_timeouts.push_back(timeouts.read_total_ms);
    return Read(count);
  }
  void Purge() override { ++purges; }
  std::size_t InputQueueCount() override { return input_queue; }
  ModemLines Modem() override { return modem; }

  bool open_succeeds = true;
  bool configure_succeeds = true;
  int write_errors = kLineErrorNone;
  ModemLines modem{true, false};
  std::size_t input_queue = 0;
  std::deque<std::string> answers;
  // With no scripted answer left, answer every read with a well-formed acknowledgement.
  bool acknowledge = false;

  std::vector<std::string> opened;
  std::vector<std::string> writes;
  std::string written;
  std::vector<std::size_t> reads;
  std::vector<std::uint32_t> reply_read_timeouts;  // the read timeout of each ReadReply
  LineSettings line;
  PortTimeouts timeouts;
  std::size_t queue_in = 0, queue_out = 0;
  int purges = 0, closes = 0, configures = 0;

 private:
  bool open_ = false;
};

}  // namespace r8::testing
