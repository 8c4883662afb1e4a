// The guide's two dialogs: one programme line (TDXEditDlg, "DX Program Record") and the preview's
// filter (TDXFilterDlg, "DX Program Filter"). Their checks are the core's; a refused entry keeps
// the dialog open after its message.
#pragma once

#include <QDialog>

#include "programmes/dx_list.h"
#include "programmes/dx_shows.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace r8 {

class AppContext;

class TDXEditDlg : public QDialog {
 public:
  TDXEditDlg(AppContext& ctx, const DxEntry& entry, QWidget* parent = nullptr);
  DxEntry entry() const;
  void accept() override;

  QComboBox* StatLst = nullptr;
  QLineEdit* TimeEdit = nullptr;
  QLineEdit* ProgEdit = nullptr;
  QPlainTextEdit* NoteEdit = nullptr;
  QCheckBox* HeardBox = nullptr;

 private:
  AppContext& ctx_;
};

class TDXFilterDlg : public QDialog {
 public:
  TDXFilterDlg(AppContext& ctx, const DxFilter& filter, QWidget* parent = nullptr);
  // The filter with the dialog's trimmed entries and day.
  DxFilter filter() const;
  void accept() override;

  QLineEdit* TimeEdit = nullptr;
  QLineEdit* ProgEdit = nullptr;
  QComboBox* StatLst = nullptr;
  QButtonGroup* DayGrp = nullptr;

 private:
  AppContext& ctx_;
  DxFilter filter_;
};

}  // namespace r8
