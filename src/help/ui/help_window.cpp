#include "help/ui/help_window.h"

#include <QAction>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "help/ui/help_desk.h"
#include "help/help_topics.h"

// The help pages live in a static library, so their resource needs an explicit start.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace r8 {
namespace {

QString Latin(std::string_view s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

QUrl TopicUrl(const HelpTopic& t) {
  return QUrl(QStringLiteral("qrc:/help/") + Latin(HelpTopicPath(t)));
}

}  // namespace

THelpWindow::THelpWindow(QWidget* parent) : QMainWindow(parent) {
  InitHelpResources();
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Veltrix R8 Control Help"));
  SetHelpContext(this, kHelpUsingHelp);

  NavTabs = new QTabWidget(this);
  ContentsTree = new QTreeWidget(NavTabs);
  ContentsTree->setObjectName(QStringLiteral("ContentsTree"));
  ContentsTree->setHeaderHidden(true);
  NavTabs->addTab(ContentsTree, QStringLiteral("Co&ntents"));

  auto* index_page = new QWidget(NavTabs);
  auto* index_layout = new QVBoxLayout(index_page);
  IndexEdit = new QLineEdit(index_page);
  IndexEdit->setObjectName(QStringLiteral("IndexEdit"));
  IndexEdit->setPlaceholderText(QStringLiteral("Type a word to find"));
  IndexEdit->setClearButtonEnabled(true);
  IndexLst = new QListWidget(index_page);
  IndexLst->setObjectName(QStringLiteral("IndexLst"));
  index_layout->addWidget(IndexEdit);
  index_layout->addWidget(IndexLst);
  NavTabs->addTab(index_page, QStringLiteral("&Index"));

  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("Browser"));
  Browser->setOpenLinks(true);
  Browser->setOpenExternalLinks(false);

  auto* split = new QSplitter(this);
  split->addWidget(NavTabs);
  split->addWidget(Browser);
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  split->setSizes({fontMetrics().averageCharWidth() * 36, fontMetrics().averageCharWidth() * 84});
  setCentralWidget(split);

  QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  BackAct = bar->addAction(QStringLiteral("< &Back"), Browser, &QTextBrowser::backward);
  BackAct->setShortcut(QKeySequence::Back);
  ForwardAct = bar->addAction(QStringLiteral("&Forward >"), Browser, &QTextBrowser::forward);
  ForwardAct->setShortcut(QKeySequence::Forward);
  ContentsAct = bar->addAction(QStringLiteral("&Contents"), this, [this] {
    NavTabs->setCurrentIndex(0);
    ShowContext(kHelpContents);
  });
  IndexAct = bar->addAction(QStringLiteral("Inde&x"), this, [this] {
    NavTabs->setCurrentIndex(1);
    IndexEdit->setFocus();
  });
  bar->addSeparator();
  bar->addAction(QStringLiteral("Cl&ose"), this, &QWidget::close);
  BackAct->setEnabled(false);
  ForwardAct->setEnabled(false);
  connect(Browser, &QTextBrowser::backwardAvailable, BackAct, &QAction::setEnabled);
  connect(Browser, &QTextBrowser::forwardAvailable, ForwardAct, &QAction::setEnabled);
  connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::SourceChanged);

  // F1 in the help window explains the help window.
  auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
  connect(f1, &QShortcut::activated, this, [this] { ShowContext(kHelpUsingHelp); });

  FillContents();
  FillIndex(QString());
  connect(ContentsTree, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { ShowContext(item->data(0, Qt::UserRole).toInt()); });
  connect(ContentsTree, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { ShowContext(item->data(0, Qt::UserRole).toInt()); });
  connect(IndexEdit, &QLineEdit::textChanged, this, &THelpWindow::FillIndex);
  connect(IndexEdit, &QLineEdit::returnPressed, this, [this] {
    if (IndexLst->count() > 0) OpenIndexItem(IndexLst->item(0));
  });
  connect(IndexLst, &QListWidget::itemActivated, this, &THelpWindow::OpenIndexItem);
  connect(IndexLst, &QListWidget::itemClicked, this, &THelpWindow::OpenIndexItem);

  resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 36);
}

void THelpWindow::FillContents() {
  ContentsTree->clear();
  std::map<int, QTreeWidgetItem*> items;
  for (const HelpTopic& t : HelpTopics()) {
    const auto parent = items.find(t.parent);
    auto* item = parent == items.end() ? new QTreeWidgetItem(ContentsTree)
                                       : new QTreeWidgetItem(parent->second);
    item->setText(0, Latin(t.title));
    item->setData(0, Qt::UserRole, t.context);
    items[t.context] = item;
  }
  ContentsTree->expandAll();
}

void THelpWindow::FillIndex(const QString& typed) {
  IndexLst->clear();
  for (const HelpIndexEntry& e : MatchHelpIndex(typed.toLatin1().toStdString())) {
    auto* item = new QListWidgetItem(Latin(e.keyword), IndexLst);
    item->setData(Qt::UserRole, e.context);
  }
  if (IndexLst->count() > 0) IndexLst->setCurrentRow(0);
}

void THelpWindow::OpenIndexItem(QListWidgetItem* item) {
  if (item) ShowContext(item->data(Qt::UserRole).toInt());
}

void THelpWindow::ShowContext(int context) { ShowTopic(HelpTopicFor(context)); }

void THelpWindow::ShowTopic(const HelpTopic& t) {
  const QUrl url = TopicUrl(t);
  if (Browser->source() == url) {
    // The same page again: make sure its anchor is in view.
    if (!t.anchor.empty()) Browser->scrollToAnchor(Latin(t.anchor));
    current_context_ = t.context;
    return;
  }
  Browser->setSource(url);
}

void THelpWindow::SourceChanged(const QUrl& url) {
  const QString file = url.fileName();
  const HelpTopic& t =
      HelpTopicAt(file.toLatin1().toStdString(), url.fragment().toLatin1().toStdString());
  current_context_ = t.context;
  setWindowTitle(QStringLiteral("Veltrix R8 Control Help - ") + Latin(t.title));
  const QSignalBlocker block(ContentsTree);
  for (QTreeWidgetItemIterator it(ContentsTree); *it; ++it) {
    if ((*it)->data(0, Qt::UserRole).toInt() == t.context) {
      ContentsTree->setCurrentItem(*it);
      break;
    }
  }
}

}  // namespace r8
