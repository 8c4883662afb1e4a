// Helpers for window tests: where to save pictures, and answering a modal box from a timer.
#pragma once

#include <functional>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

namespace r8::testing {

// Saves what the widget shows as <build>/test-output/<name>.png for a person to look at.
inline QString SaveShot(QWidget* w, const QString& name) {
  QDir().mkpath(QStringLiteral(R8_TEST_OUTPUT_DIR));
  const QString path = QStringLiteral(R8_TEST_OUTPUT_DIR "/") + name + QStringLiteral(".png");
  w->grab().save(path);
  return path;
}

// The control or menu item with this object name under root (the names the program knows them
// by); a missing one fails the test at once rather than crashing it later.
template <typename T>
T* Named(const QObject* root, const char* name) {
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  if (!found) {
    ADD_FAILURE() << "no " << name << " in " << root->objectName().toStdString();
    throw std::runtime_error(name);
  }
  return found;
}

// Runs action on the next modal widget that appears (a message box or dialog started by exec()).
inline void OnNextModal(std::function<void(QWidget*)> action) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, action] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      timer->stop();
      timer->deleteLater();
      action(w);
    }
  });
  timer->start();
}

}  // namespace r8::testing
