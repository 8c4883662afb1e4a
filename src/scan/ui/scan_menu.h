// The scan on the faceplate: the scan controller, its 10 ms stepping clock, the scan button and
// label of the panel, and the three scan items of the Controls menu.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <QObject>

#include "common/events.h"
#include "scan/scan_controller.h"

class QAction;
class QMenu;
class QTimer;

namespace r8 {

class AppContext;
class FacePlatePanel;
struct FacePlateView;

class ScanMenu : public QObject {
 public:
  // open_parameters opens the Options dialog on its "Scan" page.
  ScanMenu(AppContext& ctx, QMenu& menu, FacePlatePanel& panel,
           std::function<void()> open_parameters);
  ~ScanMenu() override;

  ScanController& controller() { return controller_; }
  QTimer* step_timer() const { return Timer3; }

 private:
  void Apply(const FacePlateView& v);

  AppContext& ctx_;
  ScanController controller_;
  QTimer* Timer3 = nullptr;
  QAction* Scanmode1 = nullptr;
  QAction* Scanpause1 = nullptr;
  QAction* Scanparameters1 = nullptr;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
