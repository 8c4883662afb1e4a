// The faceplate's "Pan display" item (R8A/R8B only) and the pan display it opens. The display's
// core lives here from start to end, so a sweep is recorded whether or not the window is shown.
#pragma once

#include <memory>
#include <vector>

#include "common/events.h"
#include "pan/pan_display.h"

class QAction;
class QMenuBar;
class QWidget;

namespace r8 {

class AppContext;
class TPanDisp;

class PanMenu {
 public:
  // source: the A-B scan's sweep at its start (see PanRecorder).
  PanMenu(AppContext& ctx, QMenuBar& bar, QWidget* owner, PanRecorder::SweepSource source = {});
  ~PanMenu();

  // Opens the window, or brings it up when it is open.
  void PanDisplay1Click();
  PanDisplay& core() { return core_; }
  TPanDisp* window() { return window_.get(); }

 private:
  void Follow();

  AppContext& ctx_;
  QWidget* owner_;
  PanDisplay core_;
  PanRecorder recorder_;
  std::unique_ptr<TPanDisp> window_;
  QAction* PanDisplay1 = nullptr;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
