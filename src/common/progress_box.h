// The progress window as long core operations drive it: open it with a caption and a message line,
// change the message between phases, advance the percentage (CheckPct), close it.
#pragma once

#include <string_view>

#include "common/progress.h"

namespace r8 {

class ProgressBox : public ProgressDisplay {
 public:
  virtual void Open(std::string_view caption, std::string_view message) = 0;
  virtual void SetMessage(std::string_view message) = 0;
  virtual void Close() = 0;
};

// Opens the box (when there is one) for the life of the scope, and keeps the operation's last
// drawn percentage for CheckPct.
class ProgressScope {
 public:
  ProgressScope(ProgressBox* box, std::string_view caption, std::string_view message);
  ~ProgressScope();
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

  // A new phase: a new message line and the percentage counted from 0 again.
  void SetMessage(std::string_view message);
  void Step(long long current, long long total);
  // For code that takes a plain ProgressDisplay; null when there is no box.
  ProgressDisplay* display() { return box_; }

 private:
  ProgressBox* box_;
  std::int16_t last_ = 0;
};

}  // namespace r8
