// The "Radio" menu: power, refresh, connection and the front-panel switches. Its items follow the
// panel's view and the port; each one runs the panel's handler for the same control.
#pragma once

#include <vector>

#include "common/events.h"

class QAction;
class QMenuBar;

namespace r8 {

class AppContext;
class FacePlatePanel;
struct FacePlateView;

class RadioMenu {
 public:
  RadioMenu(AppContext& ctx, QMenuBar& bar, FacePlatePanel& panel);

 private:
  void Apply(const FacePlateView& v);
  void ShowPort(bool usable);

  QAction* Power1 = nullptr;
  QAction* UpdateDisplay1 = nullptr;
  QAction* Disconnect1 = nullptr;
  QAction* VFO1 = nullptr;
  QAction* VFOEq1 = nullptr;
  QAction* Synchro1 = nullptr;
  QAction* NoiseBlanker1 = nullptr;
  QAction* Notch1 = nullptr;
  QAction* TapeVOX1 = nullptr;
  QAction* MemoryMode1 = nullptr;
  QAction* MemTune1 = nullptr;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
