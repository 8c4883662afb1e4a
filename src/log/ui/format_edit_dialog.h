// TFormEdit ("Format Editor"): the log's export format or report format in a memo, with a button
// for every tag of its kind, New, Open, Cut, Copy, Paste and the save checks on OK.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QDialog>

#include "help/ui/help_desk.h"
#include "log/log_format.h"

class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace r8 {

class AppContext;

class TFormEdit : public QDialog {
 public:
  // The export format or the report format in use (LOGFORM / RPTFORM) is loaded when the dialog is
  // shown. show_help, when given, adds the Help button.
  TFormEdit(AppContext& ctx, FormatKind kind, QWidget* parent = nullptr, ShowHelpFn show_help = {});

  // The memo refilled from the format in use; the modified flag cleared.
  void FormShow();
  // A tag button: the tag at the memo's cursor, the memo focused.
  void FmtBtnClick(const std::string& tag);
  void TabBtnClick();
  // New and Open save a modified format first, and do nothing more when that fails.
  void FmtNewBtnClick();
  void FmtFileBtnClick();
  // Loads a format file into the memo and makes it the one in use; false (with a message) when
  // it cannot be read.
  bool FormatOpen(const std::string& name);
  // The checks, a name while "<Untitled>", the file written; false (with a message) on failure.
  bool FormatSave();
  // OK: a modified format is saved first; the dialog closes only when that succeeded.
  void accept() override;
  void CutBtnClick();
  void CopyBtnClick();
  void PasteBtnClick();
  // Cut and Copy follow the memo's selection, Paste the clipboard.
  void NotesEditChange();

  std::vector<std::string> Lines() const;
  const std::string& format_name() const { return name_; }
  bool modified() const { return modified_; }

  QPlainTextEdit* FormMemo = nullptr;
  QToolButton* NewBtn = nullptr;
  QToolButton* OpenBtn = nullptr;
  QToolButton* CutBtn = nullptr;
  QToolButton* CopyBtn = nullptr;
  QToolButton* PasteBtn = nullptr;
  QPushButton* TabBtn = nullptr;
  // Export: Date, Time, Freq., Mult, Call, Stat'n, SINPO, Mode, Rate, Notes; report: DXer,
  // Addr1, Addr2, Rcvr, Ant, Condx, Log. Only the kind's own are visible.
  std::vector<QPushButton*> TagBtns;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SetFormatName(const std::string& name);
  // The file into the memo; false (with a message) when it cannot be read.
  bool Load(const std::filesystem::path& path);
  void SetCaption();

  AppContext& ctx_;
  const FormatKind kind_;
  std::string name_;
  bool modified_ = false;
};

}  // namespace r8
