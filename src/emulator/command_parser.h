// Cuts the byte stream the receiver gets into commands. Bytes arrive in any pieces (the R8 is sent
// one byte at a time), so the parser holds a bounded partial command between calls.
#pragma once

#include <cstddef>
#include <string>

namespace r8::emulator {

class CommandParser {
 public:
  // What one byte completed.
  enum class Event {
    kNone,      // the byte was kept (or dropped) and nothing is complete yet
    kCommand,   // text() holds a command, with its terminator when it had one
    kTrailer,   // a CR (or LF) right after a command that may be followed by one: no new command
    kOverflow,  // too many bytes without a terminator: text() holds them; the rest of that line
                // up to its terminator is dropped
  };

  // The longest command is "NC" + 7 name characters + CR; anything longer is garbage.
  static constexpr std::size_t kMaxCommand = 16;

  explicit CommandParser(int model);

  Event Feed(char byte);
  const std::string& text() const { return text_; }
  std::size_t pending() const { return buffer_.size(); }

 private:
  // A command complete without a terminator: "U", "D", and the R8's tune and channel numbers.
  // On the R8A/R8B a channel number completes at its third digit; a CR may follow.
  bool CompleteWithoutTerminator(bool& may_take_trailer) const;

  bool r8_;
  std::string buffer_;
  std::string text_;
  bool discarding_ = false;
  bool trailer_allowed_ = false;
};

}  // namespace r8::emulator
