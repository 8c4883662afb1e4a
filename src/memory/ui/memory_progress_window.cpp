#include "memory/ui/memory_progress_window.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>

#include "common/progress.h"
#include "common/ui/prog_bar_dialog.h"

namespace r8 {

MemoryProgressWindow::MemoryProgressWindow(UserPrompts& prompts, QMainWindow& window)
    : window_(window), bar_(new TProgBar(prompts, &window)) {
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), bar_);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
  if (bar_->layout()) bar_->layout()->addWidget(CancelBtn);
  QObject::connect(CancelBtn, &QPushButton::clicked, [this] { cancelled_ = true; });
}

void MemoryProgressWindow::Open(std::string_view caption, std::string_view message) {
  cancelled_ = false;
  last_ = 0;
  held_.clear();
  for (QTimer* t : window_.findChildren<QTimer*>()) {
    if (t->isActive()) {
      t->stop();
      held_.push_back(t);
    }
  }
  bar_->Open(caption, message);
}

void MemoryProgressWindow::Position(int done, int total) { CheckPct(done, total, 5, last_, *bar_); }

bool MemoryProgressWindow::CancelRequested() {
  QApplication::processEvents();
  return cancelled_;
}

void MemoryProgressWindow::Close() {
  bar_->Close();
  for (const QPointer<QTimer>& t : held_) {
    if (t) t->start();
  }
  held_.clear();
}

}  // namespace r8
