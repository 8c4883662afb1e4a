// THelpWindow: the program's help viewer. It shows the help pages built into the program, with a
// contents tree, a keyword index, and back and forward through the pages seen.
#pragma once

#include <QMainWindow>

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace r8 {

struct HelpTopic;

class THelpWindow : public QMainWindow {
 public:
  explicit THelpWindow(QWidget* parent = nullptr);

  // Shows the topic of a context number (the contents for a number without one).
  void ShowContext(int context);
  // The context of the topic on show.
  int CurrentContext() const { return current_context_; }

  QTabWidget* NavTabs = nullptr;
  QTreeWidget* ContentsTree = nullptr;
  QLineEdit* IndexEdit = nullptr;
  QListWidget* IndexLst = nullptr;
  QTextBrowser* Browser = nullptr;
  QAction* BackAct = nullptr;
  QAction* ForwardAct = nullptr;
  QAction* ContentsAct = nullptr;
  QAction* IndexAct = nullptr;

 private:
  void FillContents();
  void FillIndex(const QString& typed);
  void OpenIndexItem(QListWidgetItem* item);
  void SourceChanged(const QUrl& url);
  void ShowTopic(const HelpTopic& t);

  int current_context_ = -1;
};

}  // namespace r8
