// Help for the whole program: the help window, opened at a topic by context number from the main
// window's "&Help" menu, F1 and every dialog's Help button. Each widget can carry its own context;
// F1 asks the focused widget and then its parents.
#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

class QMenu;
class QMenuBar;
class QWidget;

namespace r8 {

class THelpWindow;

// What a window's Help button calls: show the topic of a context number.
using ShowHelpFn = std::function<void(int context)>;

// Gives w (and the widgets inside it that have none of their own) a help context.
void SetHelpContext(QWidget* w, int context);
// The context of w or of its nearest parent that has one; the contents when none has.
int HelpContextOf(const QWidget* w);

class HelpDesk : public QObject {
 public:
  // The help window closes when owner (the main window) is destroyed.
  explicit HelpDesk(QWidget* owner);
  ~HelpDesk() override;

  // Opens the help window (once) and shows the topic of context.
  void ShowHelp(int context);
  // CMHelpTopic: the topic of the widget that has the focus.
  void ShowFocusedTopic();
  // The window, or nullptr before the first topic was shown.
  THelpWindow* help() const;
  // Closes the help window (the main window's destroy step).
  void Quit();
  // ShowHelp as a function for dialogs.
  ShowHelpFn Shower();

 private:
  QWidget* owner_;
  QPointer<THelpWindow> window_;
};

// The main window's "&Help" menu: "&Contents", "&Topic Search\tF1" (F1), "Using &help",
// "&Faceplate operation", "&Memory management", "&Logging system" and "&About...", whose items
// are named CMHelpContents, CMHelpTopic, CMHelpUsing, CMHelpFace, CMHelpMgmt, CMHelpLog and
// CMHelpAbout. about runs the About box.
QMenu* AddHelpMenu(QMenuBar* bar, HelpDesk& desk, std::function<void()> about);

}  // namespace r8
