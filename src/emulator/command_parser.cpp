#include "emulator/command_parser.h"

#include <algorithm>

#include "radio/radio_model.h"

namespace r8::emulator {
namespace {

bool IsTerminator(char c) { return c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(const std::string& s, std::size_t from) {
  return std::all_of(s.begin() + static_cast<std::ptrdiff_t>(from), s.end(), IsDigit);
}

}  // namespace

CommandParser::CommandParser(int model) : r8_(model == kModelR8) {}

bool CommandParser::CompleteWithoutTerminator(bool& may_take_trailer) const {
  may_take_trailer = false;
  const std::size_t n = buffer_.size();
  if (n == 1) return buffer_[0] == 'U' || buffer_[0] == 'D';
  const std::size_t channel_digits = r8_ ? 2 : 3;
  // "F" + 7 digits tunes the R8 at once; the R8A/R8B wait for its CR.
  if (r8_ && buffer_[0] == 'F' && n == 8 && AllDigits(buffer_, 1)) return true;
  bool channel = false;
  if (buffer_[0] == 'C' && n == channel_digits + 1 && AllDigits(buffer_, 1)) channel = true;
  // Bare digits: the channel number that follows "PR".
  if (n == channel_digits && AllDigits(buffer_, 0)) channel = true;
  may_take_trailer = channel && !r8_;
  return channel;
}

CommandParser::Event CommandParser::Feed(char byte) {
  if (IsTerminator(byte)) {
    if (discarding_) {
      discarding_ = false;
      return Event::kNone;
    }
    if (buffer_.empty() && trailer_allowed_) {
      trailer_allowed_ = false;
      text_.assign(1, byte);
      return Event::kTrailer;
    }
    trailer_allowed_ = false;
    buffer_ += byte;
    text_.swap(buffer_);
    buffer_.clear();
    return Event::kCommand;
  }
  trailer_allowed_ = false;
  if (discarding_) return Event::kNone;
  buffer_ += byte;
  bool trailer = false;
  if (CompleteWithoutTerminator(trailer)) {
    trailer_allowed_ = trailer;
    text_.swap(buffer_);
    buffer_.clear();
    return Event::kCommand;
  }
  if (buffer_.size() >= kMaxCommand) {
    discarding_ = true;
    text_.swap(buffer_);
    buffer_.clear();
    return Event::kOverflow;
  }
  return Event::kNone;
}

}  // namespace r8::emulator
