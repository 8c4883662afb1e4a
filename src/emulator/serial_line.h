// The receiver's transmit wire at 9600 baud: each character (10 bits in both 8N1 and 7E1) takes
// about 1.04 ms, and characters go one after another, so a message waits for the one before it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <limits>
#include <string>
#include <string_view>

namespace r8::emulator {

class SerialLine {
 public:
  static constexpr std::uint64_t kCharMicros = 1042;
  static constexpr std::uint64_t kNever = std::numeric_limits<std::uint64_t>::max();
  // Bytes beyond this many waiting on the wire are lost (nobody is reading).
  static constexpr std::size_t kMaxPending = 8192;

  // Puts bytes on the wire, the first starting no earlier than at_ms.
  void Send(std::string_view bytes, std::uint64_t at_ms);
  // Takes the bytes that have fully arrived by now_ms.
  std::string TakeArrived(std::uint64_t now_ms);
  // The time (ms, rounded up) by which the next count bytes will have arrived; kNever when fewer
  // are on the wire. count 0 asks for nothing and gets 0.
  std::uint64_t ArrivalMs(std::size_t count) const;
  std::size_t pending() const { return bytes_.size(); }
  void Clear();

 private:
  struct TimedByte {
    std::uint64_t arrival_us;
    char byte;
  };
  std::deque<TimedByte> bytes_;
  std::uint64_t busy_until_us_ = 0;
};

}  // namespace r8::emulator
