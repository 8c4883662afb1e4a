// The "Controls" menu: a selector's list dropped open from the keyboard, and the Options dialog on
// the page that belongs to each item.
#pragma once

#include <functional>
#include <vector>

#include "common/events.h"

class QAction;
class QMenuBar;

class QMenu;

namespace r8 {

class AppContext;
class FacePlatePanel;
struct FacePlateView;

class ControlsMenu {
 public:
  // run_options opens the Options dialog on a page.
  ControlsMenu(AppContext& ctx, QMenuBar& bar, FacePlatePanel& panel,
               std::function<void(int page)> run_options);

  QMenu* menu() const { return menu_; }
  void SmallStepsize1Click();
  void Other1Click();
  // The page the Options item opens: the one the dialog was last closed on.
  void set_last_options_page(int page) { last_options_page_ = page; }

 private:
  void Apply(const FacePlateView& v);

  AppContext& ctx_;
  std::function<void(int)> run_options_;
  int last_options_page_ = 0;
  QMenu* menu_ = nullptr;
  QAction* Antenna1 = nullptr;
  QAction* RF1 = nullptr;
  QAction* AGC1 = nullptr;
  QAction* Bandwidth1 = nullptr;
  QAction* Mode1 = nullptr;
  QAction* Stepsize1 = nullptr;
  QAction* Offset1 = nullptr;
  QAction* SmallStepsize1 = nullptr;
  QAction* Other1 = nullptr;
  QAction* Options1 = nullptr;
  std::vector<Subscription> subscriptions_;
};

}  // namespace r8
