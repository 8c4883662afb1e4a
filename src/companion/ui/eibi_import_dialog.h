// The window side of "Import EiBi schedule...": the choice of what to import, and the command the
// faceplate's menu item calls.
#pragma once

#include <QDialog>
#include <filesystem>

#include "companion/eibi_import_command.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace r8 {

class TEibiImportDlg : public QDialog {
  Q_OBJECT

 public:
  TEibiImportDlg(const EibiImportOptions& options, QWidget* parent = nullptr);

  // The choice as made; false (with the reason shown in the dialog) when the ranges or the target
  // areas are not readable.
  bool Read(EibiImportOptions& options);

  QCheckBox* BroadcastCB = nullptr;
  QCheckBox* UtilityCB = nullptr;
  QCheckBox* JammersCB = nullptr;
  QCheckBox* DigitalCB = nullptr;
  QLineEdit* RangesEdit = nullptr;
  QLineEdit* TargetEdit = nullptr;
  QSpinBox* MaxRecordsEdit = nullptr;
  QLabel* ErrorLbl = nullptr;

 private:
  void OkBtnClick();
  EibiImportOptions options_;
};

// Shows TEibiImportDlg; false when the user cancelled.
bool ChooseEibiImportOptions(QWidget* parent, EibiImportOptions& options);

// What the faceplate's "Import &EiBi schedule..." runs: CMImportEibi with the dialog above. On
// kDone the caller re-opens the database.
CommandOutcome ImportEibiSchedule(QWidget* parent, const std::filesystem::path& folder,
                                  StationDatabase& db, DatabasePorts& ports);

}  // namespace r8
