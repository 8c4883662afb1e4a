// A menu item enabled and checked as the faceplate's view says.
#pragma once

#include <QAction>

#include "faceplate/faceplate_view.h"

namespace r8 {

inline void SetMenu(QAction* a, const MenuView& m) {
  if (!a) return;
  a->setEnabled(m.enabled);
  if (a->isCheckable()) a->setChecked(m.checked);
}

}  // namespace r8
