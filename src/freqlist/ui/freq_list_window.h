// TFreqList: the frequencies of one station the find commands found, tuned by a double-click and
// scanned row by row (scan mode "Freq"). The rows are the window set's find lines.
#pragma once

#include <vector>

#include "freqlist/list_scan.h"
#include "stations/ui/station_window_base.h"

class QListWidget;
class QTimer;

namespace r8 {

class TFreqList : public StationWindowBase {
 public:
  TFreqList(AppContext& ctx, QWidget* main_window);
  ~TFreqList() override;

  void ShowState() override;
  // HandleInput: the focused row tuned, when the receiver is on and a row is selected.
  void HandleInput();
  // ScanSelected1Click: the list scan started or stopped; what the faceplate's scan button runs
  // in mode "Freq". Returns true (the list is there to scan).
  bool ScanSelected1Click();
  void Scanstop1Click();
  ListScan& scan() { return scan_; }

  QListWidget* FreqLst = nullptr;
  QTimer* Timer1 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<bool> Selected() const;
  std::vector<std::string> Rows() const;
  void ShowStatus();

  ListScan scan_;
  bool filling_ = false;
};

}  // namespace r8
