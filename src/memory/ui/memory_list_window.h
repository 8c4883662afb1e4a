// TMemList: the memory list window. One row per channel of the model, drawn at the list's tab
// stops; double-click or Enter recalls the channel, Delete clears it, the comment dialog edits
// the file's comment. It follows the table through memory_table_changed.
#pragma once

#include <QWidget>

#include "common/events.h"

class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;

namespace r8 {

class AppContext;

class TMemList : public QWidget {
 public:
  // The window keeps its size in section "WINDOWS" (MEMLISTX, MEMLISTY).
  TMemList(AppContext& ctx, QWidget* parent = nullptr);
  ~TMemList() override;

  void FillMemList();
  // The row of a channel is selected when it exists.
  void SelectChannel(int channel);
  int SelectedChannel() const;

  void HandleInput();
  void CMEditDelete();
  void Editcomment1Click();
  void EditClick();
  // Rows dragged from a frequency list ("FreqLst"): inserted from the receiver's channel on.
  void MemLstDropFreq(QListWidget* source);
  // Opens the selected channel in the channel dialog to modify or move it.
  void SetMemory(int action);

  QListWidget* MemLst = nullptr;
  QLabel* StatusLbl = nullptr;
  QAction* Save1 = nullptr;
  QAction* Clear1 = nullptr;
  QAction* Modify1 = nullptr;
  QAction* Move1 = nullptr;
  QAction* Insert1 = nullptr;
  QAction* Capture1 = nullptr;
  QAction* Fill1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AppContext& ctx_;
  Subscription on_changed_;
};

}  // namespace r8
