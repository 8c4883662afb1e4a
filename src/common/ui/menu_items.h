// The menu classes' items: each named as the program knows it.
#pragma once

#include <functional>
#include <utility>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace r8 {

// The item's object name is the name the program knows it by, so tests and help find it.
inline QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                        std::function<void()> run, bool checkable = false) {
  QAction* a = menu->addAction(QString::fromLatin1(caption));
  a->setObjectName(QString::fromLatin1(name));
  a->setCheckable(checkable);
  QObject::connect(a, &QAction::triggered, menu, [run = std::move(run)] { run(); });
  return a;
}

// The menu bar's menu of that object name, made with the caption when no subsystem has made it
// yet, so that two subsystems' items share one menu.
inline QMenu* SharedMenu(QMenuBar& bar, const char* name, const char* caption) {
  if (auto* found = bar.findChild<QMenu*>(QString::fromLatin1(name))) return found;
  QMenu* menu = bar.addMenu(QString::fromLatin1(caption));
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

}  // namespace r8
