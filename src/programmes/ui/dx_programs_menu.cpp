#include "programmes/ui/dx_programs_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "common/ui/menu_items.h"
#include "programmes/ui/dx_list_window.h"

namespace r8 {

DxProgramsMenu::DxProgramsMenu(AppContext& ctx, QMenuBar& bar, QWidget& main)
    : ctx_(ctx), main_(main) {
  QMenu* stations = SharedMenu(bar, "Stations1", "&Stations");
  if (!stations->isEmpty()) stations->addSeparator();
  DXPrograms1 = AddItem(stations, "DXPrograms1", "S&WBC programs", [this] { CMDXPrograms(); });
  DXPrograms1->setShortcut(QKeySequence(Qt::Key_F3));
}

DxProgramsMenu::~DxProgramsMenu() = default;

void DxProgramsMenu::CMDXPrograms() {
  if (!window_) {
    // Made once, owned by the main window; its standard place is right below the main window.
    window_ = new TDXList(ctx_, &main_);
    const QRect frame = main_.frameGeometry();
    window_->move(frame.left(), frame.bottom() + 2);
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
  window_->CMDXPrograms2();
}

}  // namespace r8
