// The band plan on the faceplate: the "&Band plan" item (F2) and a click on the band label open
// or bring up the band plan window.
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QLabel;
class QMainWindow;
class QMenuBar;

namespace r8 {

class AppContext;
class FacePlatePanel;
class TBandPlan;

class BandMenu : public QObject {
 public:
  BandMenu(AppContext& ctx, QMainWindow& main, QMenuBar& bar, FacePlatePanel& panel);

  // Opens the window beside the faceplate the first time, brings it up afterwards.
  void BandBtnClick();
  TBandPlan* window() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AppContext& ctx_;
  QMainWindow& main_;
  FacePlatePanel& panel_;
  QLabel* BandLbl = nullptr;
  QAction* Bandplan1 = nullptr;
  QPointer<TBandPlan> window_;
};

}  // namespace r8
