// TLogEDlg: the log entry dialog, to add an entry (pre-filled from the receiver and the clock),
// or to modify or delete the entry the log display hands it. OK writes the log file at once.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "help/ui/help_desk.h"
#include "log/log_table.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace r8 {

class AppContext;

enum class LogEntryMode { kAdd = 1, kModify = 2, kDelete = 3 };

class TLogEDlg : public QDialog {
 public:
  explicit TLogEDlg(AppContext& ctx, QWidget* parent = nullptr);

  // Set right before the dialog is shown: the mode, and for Modify and Delete the entry.
  void SetMode(LogEntryMode mode, const LogEditRequest* request = nullptr);
  LogEntryMode mode() const { return mode_; }
  // The entry OK wrote (Add, Modify).
  const LogEntry& last_written() const { return last_written_; }

  void SetDlgTitle();
  void FormShow();
  void OKBtnClick();
  void TimeBtnClick();
  void DateBtnClick();
  void CutBtnClick();
  void CopyBtnClick();
  void PasteBtnClick();
  void NotesEditChange();
  void LogFileBtnClick();
  void HelpBtnClick();

  // "&Log file" runs the faceplate's CMLogOpen; Help shows the dialog's topic.
  std::function<void()> open_log_file;
  ShowHelpFn show_help;

  QLineEdit* DateEdit = nullptr;
  QLineEdit* TimeEdit = nullptr;
  QLineEdit* FreqEdit = nullptr;
  QRadioButton* KHzBtn = nullptr;
  QRadioButton* MHzBtn = nullptr;
  QComboBox* StatLst = nullptr;
  QLineEdit* SINPOEdit = nullptr;
  QLineEdit* ModeEdit = nullptr;
  QLineEdit* CallEdit = nullptr;
  QLineEdit* RateEdit = nullptr;
  QPlainTextEdit* NotesEdit = nullptr;
  QToolButton* CutBtn = nullptr;
  QToolButton* CopyBtn = nullptr;
  QToolButton* PasteBtn = nullptr;
  QToolButton* DateBtn = nullptr;
  QToolButton* TimeBtn = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;
  QPushButton* HelpBtn = nullptr;
  QPushButton* LogFileBtn = nullptr;

 private:
  ClockReading Utc() const;
  int UnitChoice() const;
  void InsertText(const std::string& text);

  AppContext& ctx_;
  LogEntryMode mode_ = LogEntryMode::kAdd;
  std::optional<LogEditRequest> request_;
  LogEntry last_written_;
};

}  // namespace r8
