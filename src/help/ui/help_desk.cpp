#include "help/ui/help_desk.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "help/help_topics.h"
#include "help/ui/help_window.h"

namespace r8 {
namespace {

constexpr const char* kContextProperty = "helpContext";

}  // namespace

void SetHelpContext(QWidget* w, int context) {
  if (w) w->setProperty(kContextProperty, context);
}

int HelpContextOf(const QWidget* w) {
  for (; w; w = w->parentWidget()) {
    const QVariant v = w->property(kContextProperty);
    if (v.isValid() && v.toInt() > 0) return v.toInt();
  }
  return kHelpContents;
}

HelpDesk::HelpDesk(QWidget* owner) : QObject(owner), owner_(owner) {}

HelpDesk::~HelpDesk() { delete window_.data(); }

THelpWindow* HelpDesk::help() const { return window_.data(); }

void HelpDesk::ShowHelp(int context) {
  if (!window_) {
    // A window of its own, not the owner's child: it stays usable while a dialog is open.
    window_ = new THelpWindow(nullptr);
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
  }
  window_->ShowContext(context);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void HelpDesk::ShowFocusedTopic() {
  const QWidget* w = QApplication::focusWidget();
  if (!w) w = QApplication::activeWindow();
  if (!w) w = owner_;
  ShowHelp(HelpContextOf(w));
}

void HelpDesk::Quit() {
  if (window_) window_->close();
}

ShowHelpFn HelpDesk::Shower() {
  QPointer<HelpDesk> self(this);
  return [self](int context) {
    if (self) self->ShowHelp(context);
  };
}

QMenu* AddHelpMenu(QMenuBar* bar, HelpDesk& desk, std::function<void()> about) {
  QMenu* menu = bar->addMenu(QStringLiteral("&Help"));
  menu->setObjectName(QStringLiteral("Help1"));
  auto add = [&](const char* name, const QString& caption, std::function<void()> run) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    QObject::connect(a, &QAction::triggered, &desk, [run] { run(); });
    return a;
  };
  HelpDesk* d = &desk;
  add("CMHelpContents", QStringLiteral("&Contents"), [d] { d->ShowHelp(kHelpContents); });
  QAction* topic =
      add("CMHelpTopic", QStringLiteral("&Topic Search\tF1"), [d] { d->ShowFocusedTopic(); });
  topic->setShortcut(QKeySequence(Qt::Key_F1));
  add("CMHelpUsing", QStringLiteral("Using &help"), [d] { d->ShowHelp(kHelpUsingHelp); });
  menu->addSeparator();
  add("CMHelpFace", QStringLiteral("&Faceplate operation"), [d] { d->ShowHelp(kHelpFaceplate); });
  add("CMHelpMgmt", QStringLiteral("&Memory management"), [d] { d->ShowHelp(kHelpMemory); });
  add("CMHelpLog", QStringLiteral("&Logging system"), [d] { d->ShowHelp(kHelpLogging); });
  menu->addSeparator();
  add("CMHelpAbout", QStringLiteral("&About..."), [about] {
    if (about) about();
  });
  return menu;
}

}  // namespace r8
