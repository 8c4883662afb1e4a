// ProgressBox for tests: every opening, message, percentage and closing in order, as text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/progress_box.h"

namespace r8::testing {

class RecordingProgressBox : public ProgressBox {
 public:
  void Open(std::string_view caption, std::string_view message) override {
    events.push_back("open " + std::string(caption) + " | " + std::string(message));
    ++open_depth;
  }
  void SetMessage(std::string_view message) override {
    events.push_back("message " + std::string(message));
  }
  void ShowPercent(int percent) override { percents.push_back(percent); }
  void Close() override {
    events.push_back("close");
    --open_depth;
  }

  std::vector<std::string> events;  // opens, messages and closes
  std::vector<int> percents;
  int open_depth = 0;
};

}  // namespace r8::testing
