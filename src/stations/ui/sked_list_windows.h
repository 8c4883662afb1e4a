// The two grid windows: TFullList, one station's full schedule (FullLst, 5 columns), and
// TSkedList, the stations on one frequency (SkedLst, 2 columns).
#pragma once

#include "stations/ui/station_window_base.h"

class QTableWidget;

namespace r8 {

class TGridList : public StationWindowBase {
 public:
  TGridList(AppContext& ctx, StationWindow which, QWidget* main_window, const char* grid_name,
            std::vector<TabbedRowDelegate::Layout> columns, std::vector<int> widths);
  void ShowState() override;
  void GridDblClick(int row, int column);

  QTableWidget* grid() const { return grid_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowStatus();
  QTableWidget* grid_ = nullptr;
  bool filling_ = false;
};

class TFullList : public TGridList {
 public:
  TFullList(AppContext& ctx, QWidget* main_window);
  QTableWidget* FullLst = nullptr;
};

class TSkedList : public TGridList {
 public:
  TSkedList(AppContext& ctx, QWidget* main_window);
  QTableWidget* SkedLst = nullptr;
};

}  // namespace r8
