#include "emulator/emulated_serial_port.h"

#include <algorithm>

#include "radio/radio_model.h"

namespace r8::emulator {

EmulatedSerialPort::EmulatedSerialPort(Clock& clock, int model)
    : clock_(clock), receiver_(model), last_tick_(clock.TickMs()) {}

std::uint64_t EmulatedSerialPort::NowMs() {
  // The tick wraps at 32 bits; receiver time must not.
  const std::uint32_t tick = clock_.TickMs();
  elapsed_ms_ += static_cast<std::uint32_t>(tick - last_tick_);
  last_tick_ = tick;
  return elapsed_ms_;
}

bool EmulatedSerialPort::LineMatches() const {
  if (!configured_) return true;
  const LineSettings& s = line_settings_;
  if (s.baud != 9600 || s.stop_bits != 1) return false;
  if (receiver_.model() == kModelR8) return s.data_bits == 7 && s.parity == Parity::kEven;
  return s.data_bits == 8 && s.parity == Parity::kNone;
}

void EmulatedSerialPort::Spoil(Reply& reply) {
  std::string& b = reply.bytes;
  switch (garble_how_) {
    case Garble::kFlipBits:
      for (char& c : b) c = static_cast<char>(c ^ 0x01);
      break;
    case Garble::kKeepLineFeed: {
      const std::size_t keep = !b.empty() && b.back() == '\n' ? 1 : 0;
      for (std::size_t i = 0; i + keep < b.size(); ++i) b[i] = static_cast<char>(b[i] ^ 0x01);
      break;
    }
    case Garble::kShorter:
      if (!b.empty()) b.pop_back();
      break;
    case Garble::kLonger:
      b.insert(b.begin(), '#');
      break;
  }
}

void EmulatedSerialPort::Deliver(std::uint64_t until_ms) {
  // Each pass takes at least one byte, so this ends.
  for (std::uint64_t t = to_receiver_.ArrivalMs(1); t <= until_ms && t != SerialLine::kNever;
       t = to_receiver_.ArrivalMs(1)) {
    receiver_.AdvanceTo(t);
    receiver_.Receive(to_receiver_.TakeArrived(t), t);
  }
}

void EmulatedSerialPort::HearEverythingSent() {
  Pump(NowMs());
  // The receiver may run a few milliseconds ahead of the port's clock: nothing sent later can
  // reach it before these bytes, and what it answers still arrives at its proper time.
  Deliver(SerialLine::kNever);
}

void EmulatedSerialPort::Pump(std::uint64_t now_ms) {
  Deliver(now_ms);
  receiver_.AdvanceTo(now_ms);
  for (Reply& r : receiver_.TakeReplies()) {
    if (!plugged_ || silent_) continue;
    if (drop_count_ > 0) {
      --drop_count_;
      continue;
    }
    if (garble_count_ > 0) {
      --garble_count_;
      Spoil(r);
    }
    if (delay_count_ > 0) {
      --delay_count_;
      r.at_ms += delay_ms_;
    } else if (!faults_.Apply(r)) {
      continue;
    }
    line_.Send(r.bytes, r.at_ms);
  }
  const std::string arrived = line_.TakeArrived(now_ms);
  if (!open_) return;
  const std::size_t room = kMaxInput - std::min(kMaxInput, input_.size());
  if (arrived.size() > room) overrun_ = true;
  input_.append(arrived, 0, std::min(room, arrived.size()));
}

bool EmulatedSerialPort::Open(const std::string& name) {
  if (fail_opens_ > 0) {
    --fail_opens_;
    open_ = false;
    return false;
  }
  Pump(NowMs());
  open_ = true;
  open_name_ = name;
  ++open_count_;
  input_.clear();
  overrun_ = false;
  return true;
}

void EmulatedSerialPort::Close() {
  open_ = false;
  input_.clear();
  overrun_ = false;
}

bool EmulatedSerialPort::SetQueueSizes(std::size_t input, std::size_t output) {
  if (!open_) return false;
  input_queue_size_ = input;
  output_queue_size_ = output;
  return true;
}

bool EmulatedSerialPort::Configure(const LineSettings& settings) {
  if (!open_) return false;
  line_settings_ = settings;
  configured_ = true;
  ++configure_count_;
  return true;
}

bool EmulatedSerialPort::SetTimeouts(const PortTimeouts& timeouts) {
  if (!open_) return false;
  timeouts_ = timeouts;
  return true;
}

int EmulatedSerialPort::Write(std::string_view bytes) {
  if (!open_) return kLineErrorIo;
  const std::uint64_t now = NowMs();
  Pump(now);
  if (plugged_ && LineMatches()) to_receiver_.Send(bytes, now);
  return kLineErrorNone;
}

ReadResult EmulatedSerialPort::Read(std::size_t count) { return ReadUntil(count, false); }

ReadResult EmulatedSerialPort::ReadReply(std::size_t count) { return ReadUntil(count, true); }

ReadResult EmulatedSerialPort::ReadUntil(std::size_t count, bool stop_at_line_feed) {
  ReadResult result;
  if (!open_) {
    result.ok = false;
    result.errors = kLineErrorIo;
    return result;
  }
  std::uint64_t now = NowMs();
  const std::uint64_t deadline = now + timeouts_.read_total_ms;
  Pump(now);
  // Each pass waits for the next thing that can bring bytes, so the loop ends by the deadline.
  auto complete = [&] {
    if (input_.size() >= count) return true;
    return stop_at_line_feed && input_.find('\n') != std::string::npos;
  };
  while (!complete() && now < deadline) {
    const std::size_t missing = count - input_.size();
    // The next thing that can bring bytes: the rest of a command reaching the receiver, enough
    // bytes on the wire, or (too few there) the receiver's next message. A line feed wanted wakes
    // at each byte's arrival.
    std::uint64_t wake = receiver_.NextEventMs();
    if (to_receiver_.pending() > 0) wake = std::min(wake, to_receiver_.ArrivalMs(1));
    if (line_.pending() >= missing) wake = std::min(wake, line_.ArrivalMs(missing));
    if (stop_at_line_feed && line_.pending() > 0) wake = std::min(wake, line_.ArrivalMs(1));
    wake = std::clamp(wake, now + 1, deadline);
    clock_.PauseMs(static_cast<std::uint32_t>(wake - now));
    now = NowMs();
    Pump(now);
  }
  std::size_t n = std::min(count, input_.size());
  if (const std::size_t lf = input_.find('\n'); stop_at_line_feed && lf < n) n = lf + 1;
  result.bytes = input_.substr(0, n);
  input_.erase(0, n);
  if (overrun_) result.errors |= kLineErrorOverrun;
  overrun_ = false;
  if (!LineMatches()) result.errors |= kLineErrorFrame;
  return result;
}

void EmulatedSerialPort::Purge() {
  if (!open_) return;
  Pump(NowMs());
  input_.clear();
  overrun_ = false;
  ++purge_count_;
}

std::size_t EmulatedSerialPort::InputQueueCount() {
  if (!open_) return 0;
  Pump(NowMs());
  return input_.size();
}

ModemLines EmulatedSerialPort::Modem() {
  if (!open_) return {};
  Pump(NowMs());
  return {plugged_, plugged_ && receiver_.SquelchOpen()};
}

std::string EmulatedSerialPort::LastCommand() {
  const auto& log = commands();
  return log.empty() ? std::string() : log.back();
}

void EmulatedSerialPort::StartReceiverScan(ScanKind kind) {
  const std::uint64_t now = NowMs();
  Pump(now);
  receiver_.StartScan(kind, now);
  Pump(now);
}

void EmulatedSerialPort::StopReceiverScan() {
  const std::uint64_t now = NowMs();
  Pump(now);
  receiver_.StopScan(now);
  Pump(now);
}

void EmulatedSerialPort::DropReplies(int count) { drop_count_ = std::max(0, count); }

void EmulatedSerialPort::GarbleReplies(int count, Garble how) {
  garble_count_ = std::max(0, count);
  garble_how_ = how;
}

void EmulatedSerialPort::DelayReplies(int count, std::uint32_t delay_ms) {
  delay_count_ = std::max(0, count);
  delay_ms_ = delay_ms;
}

void EmulatedSerialPort::SetPlugged(bool plugged) {
  Pump(NowMs());
  plugged_ = plugged;
  // Pulling the cable loses whatever was on the wire.
  if (!plugged) {
    line_.Clear();
    to_receiver_.Clear();
  }
}

void EmulatedSerialPort::FailNextOpen(int count) { fail_opens_ = std::max(0, count); }

}  // namespace r8::emulator
