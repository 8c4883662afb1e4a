// TFacePlate: the program's main window, the receiver's virtual front panel.
#pragma once

#include <QMainWindow>

class QLabel;
class QTimer;

namespace r8 {

class AppContext;

class TFacePlate : public QMainWindow {
 public:
  explicit TFacePlate(AppContext& ctx, QWidget* parent = nullptr);

  void UpdateClock();

  QLabel* TimeLbl = nullptr;
  QLabel* ClockLbl = nullptr;

 private:
  AppContext& ctx_;
  QTimer* tick_ = nullptr;
};

}  // namespace r8
