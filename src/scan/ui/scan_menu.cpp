#include "scan/ui/scan_menu.h"

#include <QAction>
#include <QMenu>
#include <QTimer>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "faceplate/ui/face_plate_panel.h"
#include "faceplate/ui/menu_view.h"

namespace r8 {

ScanMenu::ScanMenu(AppContext& ctx, QMenu& menu, FacePlatePanel& panel,
                   std::function<void()> open_parameters)
    : ctx_(ctx), controller_(ctx, panel.core()) {
  controller_.open_parameters = std::move(open_parameters);
  // The stepping clock: each tick is one step, run to its end before the next tick.
  // A child of the panel, so the window finds it as its own; the connection goes with this menu.
  Timer3 = new QTimer(&panel);
  Timer3->setObjectName(QStringLiteral("Timer3"));
  Timer3->setInterval(10);
  connect(Timer3, &QTimer::timeout, this, [this] { controller_.Step(); });
  subscriptions_.push_back(ctx.events().scan_changed.Subscribe([this](const bool& on) {
    if (on) {
      Timer3->start();
    } else {
      Timer3->stop();
    }
  }));

  menu.addSeparator();
  Scanmode1 = AddItem(&menu, "Scanmode1", "S&can mode", [this] { controller_.ScanBtnClick(); });
  Scanmode1->setCheckable(true);
  Scanmode1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  Scanpause1 = AddItem(&menu, "Scanpause1", "Scan &pause", [this] { controller_.TogglePause(); });
  Scanpause1->setCheckable(true);
  Scanpause1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  Scanparameters1 = AddItem(&menu, "Scanparameters1", "&Scan parameters...", [this] {
    if (controller_.open_parameters) controller_.open_parameters();
  });
  Scanparameters1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_S));

  panel.on_scan_click = [this] { controller_.ScanBtnClick(); };
  panel.on_scan_lbl_click = [this] { controller_.TogglePause(); };
  subscriptions_.push_back(
      panel.view_applied().Subscribe([this](const FacePlateView& v) { Apply(v); }));
  Apply(panel.view());
}

ScanMenu::~ScanMenu() {
  // The window goes: a scan it clocked is over, without a last refresh of a closing panel.
  ScanStatus& scan = ctx_.scan();
  scan.active = scan.paused = scan.holding = scan.pan_sweep = false;
  ctx_.link().scan_active = false;
}

void ScanMenu::Apply(const FacePlateView& v) {
  SetMenu(Scanmode1, v.scan_item);
  SetMenu(Scanpause1, v.scan_pause_item);
  SetMenu(Scanparameters1, v.scan_params_item);
}

}  // namespace r8
