#include "radio/radio_link.h"

#include "radio/radio_model.h"

namespace r8 {

RadioLink::RadioLink(SerialPort& port, Clock& clock, UserPrompts& prompts, const Settings& settings,
                     const RadioState& radio)
    : port_(port), clock_(clock), prompts_(prompts), settings_(settings), radio_(radio) {}

std::string RadioLink::CommPortName() const {
  return ("COM" + std::to_string(settings_.CommPort)).substr(0, 5);
}

void RadioLink::CommOpen() {
  OpenPort();
  if (on_port_changed) on_port_changed(port_error_ == 0);
}

void RadioLink::OpenPort() {
  const std::string name = CommPortName();
  if (port_.IsOpen()) CommClose();
  if (!port_.Open(name)) {
    port_error_ = 1;
    return;
  }
  if (!CommDSR() && !settings_.IgnoreDSR) {
    port_error_ = 1;  // the receiver is off or unplugged; the port stays open until closed
    return;
  }
  port_error_ = 0;
  if (!port_.SetQueueSizes(kQueueSize, kQueueSize)) {
    port_error_ = 1;
    return;
  }
  port_.Purge();
  CommConfigure(true);
}

bool RadioLink::CommConfigure(bool apply_flow_control) {
  if (!port_.IsOpen()) return false;
  PortTimeouts timeouts;
  timeouts.read_total_ms = static_cast<std::uint32_t>(settings_.RxPace);
  LineSettings line;
  line.baud = kBaudRate;
  const bool r8 = settings_.RadioModel == kModelR8;
  if (r8) {
    line.data_bits = 7;
    line.parity = Parity::kEven;
  }
  if (apply_flow_control) {
    if (r8) {
      line.parity_check = true;
      line.cts_output_flow = true;
      line.dsr_output_flow = true;
      line.dtr_handshake = true;
      line.rts_toggle = true;
      timeouts.write_multiplier_ms = static_cast<std::uint32_t>(settings_.TxPace);
      timeouts.write_constant_ms = static_cast<std::uint32_t>(settings_.RxPace);
    }
    line.dtr_on = true;
  }
  // A device that cannot take every line setting (a pseudo-terminal refuses the R8's 7E1) is
  // still used as it is: the receiver may well be reachable, and the user is told what was not
  // set rather than left with a port that silently sends nothing.
  if (!port_.Configure(line)) {
    const std::string problem = port_.ConfigureProblem();
    line_warning_ = CommPortName() + ": could not set " +
                    (problem.empty() ? std::string("the line settings") : problem) +
                    "; going on with the port's own settings.";
  } else {
    line_warning_.clear();
  }
  timeouts_ = timeouts;
  if (!port_.SetTimeouts(timeouts)) {
    port_error_ = 1;
    return false;
  }
  return true;
}

void RadioLink::CommClose() {
  CommConfigure(true);
  port_.Close();
  port_error_ = 1;
  if (on_port_changed) on_port_changed(false);
}

int RadioLink::CommWrite(std::string_view text) {
  port_.ClearBreak();
  int errors = kLineErrorNone;
  if (settings_.RadioModel == kModelR8) {
    // The R8 needs a pause before every character it is sent.
    for (char c : text) {
      PaceDelay(static_cast<std::uint32_t>(settings_.TxPace));
      port_.Write(std::string_view(&c, 1));
    }
  } else {
    errors = port_.Write(text);
  }
  port_.FlushOutput();
  return errors;
}

std::uint32_t LineTimeMs(std::size_t characters) {
  // 10 bits a character (8N1 and 7E1 alike), rounded up.
  return static_cast<std::uint32_t>((characters * 10 * 1000 + kBaudRate - 1) / kBaudRate);
}

CommReadResult RadioLink::CommRead(std::size_t count) {
  const bool complete_reply = settings_.complete_reply;
  // While the receiver scans by itself it sends on its own; waiting would only lose lines. In
  // the fast mode the read itself waits, and only as long as the reply takes.
  if (!complete_reply && radio_.ScanState != ScanStateCode::kReceiverScan)
    PaceDelay(static_cast<std::uint32_t>(settings_.RxPace));
  CommReadResult r;
  r.reply.assign(count, ' ');
  port_.ClearBreak();
  ReadResult read;
  if (complete_reply) {
    // The reply needs its own time on the line; the pacing is the margin on top of it.
    PortTimeouts wait = timeouts_;
    wait.read_total_ms = static_cast<std::uint32_t>(settings_.RxPace) + LineTimeMs(count);
    port_.SetTimeouts(wait);
    read = port_.ReadReply(count);
    port_.SetTimeouts(timeouts_);
  } else {
    read = port_.Read(count);
  }
  if (!read.ok) {
    r.reply.clear();
    r.errors = read.errors != kLineErrorNone ? read.errors : kLineErrorIo;
  } else {
    r.reply = read.bytes.substr(0, count);
    r.bytes_read = r.reply.size();
    r.errors = read.errors;
  }
  port_.Purge();
  return r;
}

TransactResult RadioLink::RadioTransact(std::string_view text, std::size_t expected_length) {
  TransactResult result;
  if (!port_.IsOpen() || port_error_ == 1) return result;
  result.sent = true;
  const bool busy = !scan_active;
  if (busy) prompts_.BusyCursor(true);
  int attempts = 0;
  bool success = false;
  do {
    result.errors = CommWrite(text);
    if (expected_length == 0) {
      success = true;
      break;
    }
    CommReadResult read = CommRead(expected_length);
    result.reply = std::move(read.reply);
    result.bytes_read = read.bytes_read;
    result.errors |= read.errors;
    success = read.bytes_read == expected_length && read.errors == kLineErrorNone &&
              result.reply.back() == '\n';
    ++attempts;
    if (!success) {
      // Two blank lines bring the receiver's command parser back to the start of a command.
      for (int i = 0; i < 2; ++i) {
        CommWrite(" \r");
        CommRead(1);
      }
      if (settings_.complete_reply) LetTheLineRunQuiet();
    }
  } while (!success && attempts < kAttempts);
  if (!success) {
    result.reply.assign(kFailedReplyLength, ' ');
    if (radio_.PowerOn) prompts_.Beep(BeepKind::kExclamation);
  }
  result.ok = success;
  last_failed_ = !success;
  if (busy) prompts_.BusyCursor(false);
  return result;
}

void RadioLink::LetTheLineRunQuiet() {
  PortTimeouts wait = timeouts_;
  wait.read_total_ms = static_cast<std::uint32_t>(settings_.RxPace);
  port_.SetTimeouts(wait);
  // Each pass takes what has come in; the pass that waits the pacing for nothing ends it. A
  // receiver that never stops talking is cut off after a few queues' worth.
  for (std::size_t taken = 0; taken < kQuietLimit;) {
    const ReadResult r = port_.Read(1);
    if (!r.ok || r.bytes.empty()) break;
    taken += r.bytes.size() + port_.InputQueueCount();
    port_.Purge();
  }
  port_.SetTimeouts(timeouts_);
}

bool RadioLink::CommDSR() { return port_.IsOpen() && port_.Modem().dsr; }

bool RadioLink::CommCarrier() { return port_.IsOpen() && port_.Modem().carrier; }

std::size_t RadioLink::InputQueueCount() { return port_.IsOpen() ? port_.InputQueueCount() : 0; }

}  // namespace r8
