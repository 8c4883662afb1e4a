#include "pan/ui/pan_menu.h"

#include <QMenuBar>

#include "app/app_context.h"
#include "common/ui/menu_items.h"
#include "pan/ui/pan_display_window.h"
#include "radio/radio_model.h"

namespace r8 {

PanMenu::PanMenu(AppContext& ctx, QMenuBar& bar, QWidget* owner, PanRecorder::SweepSource source)
    : ctx_(ctx), owner_(owner), core_(ctx), recorder_(ctx, core_, std::move(source)) {
  QMenu* tools = nullptr;
  for (QAction* a : bar.actions()) {
    if (a->menu() && a->text() == QStringLiteral("&Tools")) tools = a->menu();
  }
  if (!tools) tools = bar.addMenu(QStringLiteral("&Tools"));
  PanDisplay1 = AddItem(tools, "PanDisplay1", "Pan display", [this] { PanDisplay1Click(); });
  PanDisplay1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_C));
  subscriptions_.push_back(
      ctx_.events().display_refreshed.Subscribe([this](const RadioState&) { Follow(); }));
  Follow();
}

PanMenu::~PanMenu() = default;

void PanMenu::Follow() {
  const int model = ctx_.settings().RadioModel;
  PanDisplay1->setEnabled(model == kModelR8A || model == kModelR8B);
}

void PanMenu::PanDisplay1Click() {
  if (!PanDisplay1->isEnabled()) return;
  if (!window_) window_ = std::make_unique<TPanDisp>(ctx_, core_, owner_);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

}  // namespace r8
