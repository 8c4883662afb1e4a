// TLogList ("Log Display"): the log file as a sortable table, the focused entry's notes below a
// splitter. Entries are added, modified and deleted through TLogEDlg, sorted from the Sort menus
// or a click on a heading, and a double click or Enter tunes the receiver to an entry.
#pragma once

#include <string>
#include <vector>

#include <QWidget>

#include "help/ui/help_desk.h"
#include "log/log_format.h"
#include "log/log_table.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTableView;

namespace r8 {

class AppContext;
class LogTableModel;

class TLogList : public QWidget {
 public:
  TLogList(AppContext& ctx, QWidget* parent = nullptr);
  ~TLogList() override;

  // Loads or reloads the display from the log file; false (after the error box) when the file
  // cannot be read.
  bool CMToolsLog();
  void CMEditChange();
  void CMEditDelete();
  void SortClick(int column);
  void HandleInput();
  // Starts the bulletin parser ".\Marrowby Parser.exe".
  void RunParser();
  void FormActivate();
  // Enables Modify and Delete with exactly one row selected.
  void EditClick();

  // Posted to the log menu's commands: LogExport of all entries or of the selection, LogReport,
  // CMToolsLogPrint (or its preview).
  void ExportAll();
  void ExportSelected();
  void PrintReport();
  void PrintLog(bool preview = false);
  // Every entry of the log file, or the selected ones, as an ADIF file the user names.
  void ExportAdif(bool selected);
  // The format editor for the export or the report format.
  void EditFormat(FormatKind kind);

  // For the export: every line of the log file upgraded to the present record form, and one
  // line per selected row rebuilt from its cells.
  std::vector<std::string> AllEntryLines();
  std::vector<std::string> SelectedEntryLines() const { return table_.SelectedEntryLines(); }

  LogTable& table() { return table_; }
  ShowHelpFn show_help;

  QTableView* LogLst2 = nullptr;
  QPlainTextEdit* LogDetails = nullptr;
  QLabel* StatusBar1 = nullptr;
  QAction* Modify1 = nullptr;
  QAction* Delete1 = nullptr;
  QAction* Modify2 = nullptr;
  QAction* Delete2 = nullptr;
  std::vector<QAction*> sort_items;   // the Format menu's, column order, original order last
  std::vector<QAction*> sort_items2;  // the popup's

 protected:
  bool event(QEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void BuildMenus();
  QMenu* BuildSortMenu(QWidget* parent, std::vector<QAction*>& items, const char* suffix);
  void ShowTable();
  void PullSelection();
  void PushSelection();
  void CheckSortItems();
  void SizeColumns();
  void Edit(bool remove);
  void Warn(const std::string& text);

  AppContext& ctx_;
  LogTable table_;
  LogTableModel* model_ = nullptr;
  LogLines file_;
  bool pushing_ = false;
  int warned_unreadable_ = 0;
  std::string warned_file_;
};

}  // namespace r8
