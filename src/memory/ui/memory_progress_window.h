// The progress window of a capture or fill: the shared progress window with a Cancel button.
// While it shows, the main window's timers are held so that no poll comes between the channels.
#pragma once

#include <vector>

#include <QPointer>

#include "memory/memory_exchange.h"

class QMainWindow;
class QPushButton;
class QTimer;

namespace r8 {

class TProgBar;
class UserPrompts;

class MemoryProgressWindow : public MemoryProgress {
 public:
  MemoryProgressWindow(UserPrompts& prompts, QMainWindow& window);
  void Open(std::string_view caption, std::string_view message) override;
  void Position(int done, int total) override;
  bool CancelRequested() override;
  void Close() override;

  TProgBar* bar() const { return bar_; }
  QPushButton* CancelBtn = nullptr;

 private:
  QMainWindow& window_;
  TProgBar* bar_;
  bool cancelled_ = false;
  std::int16_t last_ = 0;
  std::vector<QPointer<QTimer>> held_;
};

}  // namespace r8
