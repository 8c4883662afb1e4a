// TTimerList ("Available Timers"): the 30 timed events in a grid, set and unset with Enter or a
// double-click, modified, moved and cleared through the edit dialog.
#pragma once

#include <functional>

#include <QWidget>

class QAction;
class QLabel;
class QTableWidget;

namespace r8 {

class AppContext;
enum class TimerEditMode;
class TTimerEditDlg;

class TTimerList : public QWidget {
 public:
  TTimerList(AppContext& ctx, QWidget* parent);
  ~TTimerList() override;

  // Fills rows 1..30, selects row 1 and says what a double-click does.
  void Fill();
  void SetLine(int index);
  void SetClick();
  // Opens the edit dialog; runs it with `run` (exec by default; tests answer it themselves).
  void DoEdit(TimerEditMode mode);
  void MoveClick();
  // A programme line dropped on a row: the create dialog for that number, prefilled from it.
  void DropProgramme(int row, const std::string& line);
  int SelectedIndex() const;

  std::function<int(TTimerEditDlg&)> run_dialog;

  QTableWidget* TimerLst = nullptr;
  QLabel* StatusBar1 = nullptr;
  QAction* Set1 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateStatus();

  AppContext& ctx_;
};

}  // namespace r8
