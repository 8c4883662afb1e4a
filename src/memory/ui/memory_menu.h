// The faceplate's memory items: the list, the file commands, capture and fill. It owns the
// memory list window and the memory commands, opens the MEMFILE file at start and asks about
// unsaved changes at exit.
#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "common/events.h"

class QAction;
class QMainWindow;
class QMenuBar;

namespace r8 {

class AppContext;
class MemoryCommands;
class MemoryProgressWindow;
class TMemList;

class MemoryMenu : public QObject {
 public:
  MemoryMenu(AppContext& ctx, QMenuBar& bar, QMainWindow& window);
  ~MemoryMenu() override;

  // MemNoBtnClick: creates or raises the list, with the receiver's channel selected.
  void MemNoBtnClick();
  // Inserts the receiver's present settings into a channel through the channel dialog.
  void CMTuningChInsert();
  // The shared save prompt before the program exits; false when the user cancelled.
  bool AskToSave(const char* action);
  TMemList* list() const { return list_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Enable();

  AppContext& ctx_;
  QMainWindow& window_;
  std::unique_ptr<MemoryProgressWindow> progress_;
  std::unique_ptr<MemoryCommands> commands_;
  TMemList* list_ = nullptr;
  QAction* MemSave1 = nullptr;
  QAction* Capture1 = nullptr;
  QAction* Fill1 = nullptr;
  QAction* Insert1 = nullptr;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
