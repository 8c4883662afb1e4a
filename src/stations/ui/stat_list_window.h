// TStatList: the SWBC, utility and AM BCB/CB stations on the air now, in columns that follow the
// window's width; the SWBC list also previews another time of day.
#pragma once

#include "stations/ui/station_window_base.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace r8 {

class TStatList : public StationWindowBase {
 public:
  TStatList(AppContext& ctx, StationWindow which, QWidget* main_window);

  void ShowState() override;
  void StatLstDblClick(int row);
  void Previewmode1Click();
  void Setfilter1Click();
  void TrackBtnClick();

  QListWidget* StatLst = nullptr;
  QWidget* PreviewPnl = nullptr;
  QSlider* TrackBar = nullptr;
  QLabel* TimeLbl = nullptr;
  QPushButton* TrackBtn = nullptr;
  QAction* Previewmode1 = nullptr;
  QAction* Setfilter1 = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FitColumns();
  void ShowStatus();
  bool filling_ = false;
};

}  // namespace r8
