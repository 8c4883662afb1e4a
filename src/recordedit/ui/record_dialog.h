// TDBQuery ("Database Record"): one station-database record with only the fields of the chosen
// operation open for editing; and the editor that the station windows' edit items run.
#pragma once

#include <functional>
#include <memory>

#include <QDialog>
#include <QObject>

#include "recordedit/record_edit.h"
#include "stations/ui/station_window_base.h"

class QCheckBox;
class QLineEdit;

namespace r8 {

class TDBQuery : public QDialog {
 public:
  TDBQuery(AppContext& ctx, EditMode mode, const RecordForm& shown,
           std::function<void(int context)> help, QWidget* parent);
  // Ok: the checked fields in result; an error box keeps the dialog open.
  void accept() override;
  RecordForm result;

  QLineEdit* TimeStartEdit = nullptr;
  QLineEdit* TimeStopEdit = nullptr;
  QLineEdit* DaysEdit = nullptr;
  QLineEdit* StationEdit = nullptr;
  QLineEdit* FreqEdit = nullptr;
  QLineEdit* TargetEdit = nullptr;
  QCheckBox* HeardBox = nullptr;

 private:
  AppContext& ctx_;
  const EditMode mode_;
};

// Runs the dialog for the record editor and hands the station windows their edit handler. A child
// of the main window, it goes with it.
class RecordEditMenu : public QObject, public RecordDialog {
 public:
  RecordEditMenu(AppContext& ctx, ProgressBox* progress, std::function<void(int)> help,
                 QWidget* main_window);
  std::optional<RecordForm> Run(EditMode mode, const RecordForm& shown) override;
  using Handler = std::function<void(StationWindow, const std::string&, int)>;
  Handler handler();

 private:
  AppContext& ctx_;
  QWidget* main_;
  std::function<void(int)> help_;
  RecordEditor editor_;
};

}  // namespace r8
