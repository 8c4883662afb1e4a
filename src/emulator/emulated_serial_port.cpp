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

void EmulatedSerialPort::Pump(std::uint64_t now_ms) {
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
  if (plugged_ && LineMatches()) {
    receiver_.Receive(bytes, now);
    Pump(now);
  }
  return kLineErrorNone;
}

ReadResult EmulatedSerialPort::Read(std::size_t count) {
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
  while (input_.size() < count && now < deadline) {
    const std::size_t missing = count - input_.size();
    // Too few bytes on the wire: only the receiver's next message can complete the read.
    std::uint64_t wake =
        line_.pending() >= missing ? line_.ArrivalMs(missing) : receiver_.NextEventMs();
    wake = std::clamp(wake, now + 1, deadline);
    clock_.PauseMs(static_cast<std::uint32_t>(wake - now));
    now = NowMs();
    Pump(now);
  }
  const std::size_t n = std::min(count, input_.size());
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

std::string EmulatedSerialPort::LastCommand() const {
  const auto& log = receiver_.commands();
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
  if (!plugged) line_.Clear();
}

void EmulatedSerialPort::FailNextOpen(int count) { fail_opens_ = std::max(0, count); }

}  // namespace r8::emulator
