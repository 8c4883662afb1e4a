// TDXList, "Today's SWBC Programs": the week's guide from now on, under day headings, with the
// stations on the air now highlighted. Its edit items change the guide file one line at a time;
// a double-click or Enter asks the find window for the programme's station at its time.
#pragma once

#include <QWidget>

#include "common/events.h"
#include "programmes/dx_list.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QTreeWidget;

namespace r8 {

class AppContext;

class TDXList : public QWidget {
 public:
  explicit TDXList(AppContext& ctx, QWidget* parent = nullptr);
  ~TDXList() override;

  // CMDXPrograms2: fills the list from the file and shows the row to show.
  void CMDXPrograms2();
  DxPrograms& programs() { return programs_; }
  int SelectedRow() const;

  void MarkClick();
  void ModifyClick();
  void InsertClick(bool after);
  void DeleteClick();
  void PreviewClick();
  void FilterClick();
  void DXLstDblClick();

  QTreeWidget* DXLst = nullptr;
  QLabel* StatusBar1 = nullptr;
  QAction* Mark1 = nullptr;
  QAction* Modify1 = nullptr;
  QAction* InsertBefore1 = nullptr;
  QAction* InsertAfter1 = nullptr;
  QAction* Delete1 = nullptr;
  QAction* Preview1 = nullptr;
  QAction* Filter1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowView();
  void SelectionChanged();
  void SaveSize();

  AppContext& ctx_;
  DxPrograms programs_;
  QMenu* edit_ = nullptr;
  Subscription update_command_;
  Subscription database_;
};

}  // namespace r8
