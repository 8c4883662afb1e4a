// The small dialogs of the station windows: TQuerySDlg (a station name), TQueryDlg (a frequency)
// and TStatFilterDlg (the SWBC list's preview time).
#pragma once

#include <optional>
#include <string>

#include <QDialog>

#include "help/ui/help_desk.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace r8 {

class AppContext;

// A Help button on a dialog, showing the dialog's help topic.
void AddHelpButton(QDialog* dialog, const ShowHelpFn& show_help);

// Modes: 1 find current freqs, 2 when is station on, 3 print schedule, 4 freq usage.
class TQuerySDlg : public QDialog {
 public:
  TQuerySDlg(AppContext& ctx, int mode, QWidget* parent);
  // The first 25 characters of the entry; none for Cancel or an empty entry.
  std::optional<std::string> Entry() const;
  QComboBox* NameBox = nullptr;
  QCheckBox* PrintFileCB = nullptr;
};

class TQueryDlg : public QDialog {
 public:
  TQueryDlg(AppContext& ctx, QWidget* parent);
  void accept() override;
  // The validated frequency text after OK.
  std::string freq_text;
  QLineEdit* FreqEdit = nullptr;

 private:
  AppContext& ctx_;
};

class TStatFilterDlg : public QDialog {
 public:
  TStatFilterDlg(AppContext& ctx, QWidget* parent);
  void accept() override;
  QLineEdit* TimeEdit = nullptr;

 private:
  AppContext& ctx_;
};

// Shows the filter dialog; OK sets the filter and the preview on.
void RunStatFilterDialog(QWidget* parent, AppContext& ctx);

}  // namespace r8
