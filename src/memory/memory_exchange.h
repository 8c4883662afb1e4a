// Copying the receiver's memory channels into the table (capture) and the table into the receiver
// (fill), and programming one channel (FillChannel), which the channel dialog shares.
#pragma once

#include <string_view>

#include "memory/memory_line.h"

namespace r8 {

class AppContext;

// The progress window of a capture or a fill, with its Cancel button.
class MemoryProgress {
 public:
  virtual ~MemoryProgress() = default;
  virtual void Open(std::string_view caption, std::string_view message) = 0;
  virtual void Position(int done, int total) = 0;
  // Asked between channels.
  virtual bool CancelRequested() = 0;
  virtual void Close() = 0;
};

// Tunes the receiver to the line's frequency and settings and stores them in line.channel. The
// synchro is always set to the line's state (in AM, before the line's mode is chosen), so a
// channel without synchro that follows one with it is not stored with it. True when the receiver
// acknowledged the store.
bool FillChannel(AppContext& ctx, const MemoryLine& line);

// FillChannel, then on the R8A/R8B the channel's name; the answer to a failure (Retry, Abort,
// Ignore), or Ok when all went well.
enum class FillAnswer { kOk, kRetry, kAbort, kIgnore };

struct CaptureOutcome {
  bool ran = false;
  int channels_read = 0;
  // The walk ended on a reply that did not come or did not name a channel, or the start
  // channel did not come round within the channel count.
  bool receiver_stopped = false;
  bool cancelled = false;
  bool saved = false;
};
CaptureOutcome CMMemoryCapture(AppContext& ctx, MemoryProgress* progress);

struct FillOutcome {
  bool ran = false;
  bool aborted = false;
  bool cancelled = false;
  int channels_filled = 0;
  int channels_failed = 0;
  // Occupied slots whose line could not be read: never sent.
  int channels_unreadable = 0;
};
FillOutcome CMMemoryFill(AppContext& ctx, MemoryProgress* progress);

}  // namespace r8
