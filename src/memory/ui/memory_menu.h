// The faceplate's memory items: the list, the file commands, capture and fill, printing. It owns
// the memory list window and the memory commands, opens the MEMFILE file at start and asks about
// unsaved changes at exit.
#pragma once

#include <memory>
#include <vector>

#include <QObject>

#include "common/events.h"
#include "printing/ui/print_path.h"

class QAction;
class QMainWindow;
class QMenuBar;
class QPrinter;

namespace r8 {

class AppContext;
class MemoryCommands;
class MemoryProgressWindow;
class TMemList;

class MemoryMenu : public QObject {
 public:
  // printer is the program's printer (its own one when none is given).
  MemoryMenu(AppContext& ctx, QMenuBar& bar, QMainWindow& window, QPrinter* printer = nullptr);
  ~MemoryMenu() override;

  // MemNoBtnClick: creates or raises the list, with the receiver's channel selected.
  void MemNoBtnClick();
  // Inserts the receiver's present settings into a channel through the channel dialog.
  void CMTuningChInsert();
  // The shared save prompt before the program exits; false when the user cancelled.
  bool AskToSave(const char* action);
  TMemList* list() const { return list_; }
  // CMMemoryPrint: the print dialog (a page range on the R8A and R8B) and the sheet's pages, or
  // with preview the preview of every page.
  void CMMemoryPrint(bool preview);
  // The print dialog CMMemoryPrint asks (tests answer it themselves).
  PrintDialogFn print_dialog = RunPrintDialog;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Enable();

  AppContext& ctx_;
  QMainWindow& window_;
  std::unique_ptr<MemoryProgressWindow> progress_;
  std::unique_ptr<MemoryCommands> commands_;
  std::unique_ptr<QPrinter> own_printer_;
  QPrinter* printer_ = nullptr;
  TMemList* list_ = nullptr;
  QAction* MemSave1 = nullptr;
  QAction* Capture1 = nullptr;
  QAction* Fill1 = nullptr;
  QAction* Insert1 = nullptr;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
