// Talking to the emulated receiver directly, on receiver time the test moves by hand.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "emulator/receiver.h"

namespace r8::emulator::testing {

class Talk {
 public:
  explicit Talk(int model) : rx_(model) {}

  // Sends bytes at the present time and returns everything the receiver answered, concatenated.
  std::string Send(std::string_view bytes) {
    rx_.Receive(bytes, now_ms_);
    return Take();
  }
  // Moves receiver time on by ms and returns what the receiver sent by itself meanwhile.
  std::string Wait(std::uint64_t ms) {
    now_ms_ += ms;
    rx_.AdvanceTo(now_ms_);
    return Take();
  }
  std::string Take() {
    std::string out;
    for (const Reply& r : rx_.TakeReplies()) out += r.bytes;
    return out;
  }

  Receiver& rx() { return rx_; }
  const Tuning& shown() const { return rx_.shown(); }
  const ReceiverState& state() const { return rx_.state(); }
  std::uint64_t now() const { return now_ms_; }

 private:
  Receiver rx_;
  std::uint64_t now_ms_ = 0;
};

}  // namespace r8::emulator::testing
