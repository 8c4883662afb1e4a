// TMemEditDlg: the memory channel dialog for inserting, modifying and moving a channel. The
// rules it follows are the core's (memory_edit.h); it shows them and collects the record.
#pragma once

#include <QDialog>

#include "memory/memory_edit.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace r8 {

class AppContext;

class TMemEditDlg : public QDialog {
 public:
  TMemEditDlg(AppContext& ctx, const MemEditRecord& record, QWidget* parent = nullptr);

  const MemEditRecord& record() const { return record_; }
  void OKBtnClicked();

  QComboBox* MemLst = nullptr;
  QLineEdit* FreqEdit = nullptr;
  QRadioButton* KHzBtn = nullptr;
  QRadioButton* MHzBtn = nullptr;
  QCheckBox* NotchBox = nullptr;
  QCheckBox* SyncBox = nullptr;
  QComboBox* AntLst = nullptr;
  QComboBox* RFLst = nullptr;
  QComboBox* AGCLst = nullptr;
  QComboBox* BWLst = nullptr;
  QComboBox* ModeLst = nullptr;
  QComboBox* BlankerLst = nullptr;
  QPlainTextEdit* NotesEdit = nullptr;
  QCheckBox* AddBox = nullptr;
  QCheckBox* FillBox = nullptr;

 private:
  void CBNSelChange(SettingList list, int index);
  void SetDisplay();
  void ShowSettings();

  AppContext& ctx_;
  MemEditRecord record_;
  SettingsEnabled enabled_;
  bool showing_ = false;
};

}  // namespace r8
