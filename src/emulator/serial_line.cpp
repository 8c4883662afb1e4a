#include "emulator/serial_line.h"

#include <algorithm>

namespace r8::emulator {

void SerialLine::Send(std::string_view bytes, std::uint64_t at_ms) {
  std::uint64_t t = std::max(busy_until_us_, at_ms * 1000);
  for (char b : bytes) {
    if (bytes_.size() >= kMaxPending) break;
    t += kCharMicros;
    bytes_.push_back({t, b});
  }
  busy_until_us_ = std::max(busy_until_us_, t);
}

std::string SerialLine::TakeArrived(std::uint64_t now_ms) {
  const std::uint64_t now_us = now_ms * 1000;
  std::string out;
  while (!bytes_.empty() && bytes_.front().arrival_us <= now_us) {
    out += bytes_.front().byte;
    bytes_.pop_front();
  }
  return out;
}

std::uint64_t SerialLine::ArrivalMs(std::size_t count) const {
  if (count == 0) return 0;
  if (count > bytes_.size()) return kNever;
  return (bytes_[count - 1].arrival_us + 999) / 1000;
}

void SerialLine::Clear() {
  bytes_.clear();
  busy_until_us_ = 0;
}

}  // namespace r8::emulator
