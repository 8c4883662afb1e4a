#include "help/ui/help_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTreeWidget>

#include "help/help_topics.h"
#include "help/ui/about_dialog.h"
#include "help/ui/help_desk.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

QString Latin(std::string_view s) { return QString::fromLatin1(s.data(), s.size()); }

TEST(HelpWindow, EveryTopicIsBuiltInWithItsAnchorAndLinksOnlyToPagesThatExist) {
  THelpWindow w;  // registers the pages
  for (const HelpTopic& t : HelpTopics()) {
    QFile f(QStringLiteral(":/help/") + Latin(t.file));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << t.file;
    const QString html = QString::fromUtf8(f.readAll());
    if (!t.anchor.empty()) {
      EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"%1\">").arg(Latin(t.anchor))))
          << t.file << "#" << t.anchor;
    }
    static const QRegularExpression link(QStringLiteral("href=\"([a-z_]+\\.html)"));
    for (auto m = link.globalMatch(html); m.hasNext();) {
      const QString target = m.next().captured(1);
      EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + target))
          << t.file << " links to " << target.toStdString();
    }
  }
}

TEST(HelpWindow, OpensAtTheTopicOfAContextAndGoesBackAndForward) {
  THelpWindow w;
  w.show();
  w.ShowContext(kHelpFaceplate);
  EXPECT_EQ(w.Browser->source(), QUrl(QStringLiteral("qrc:/help/faceplate.html")));
  EXPECT_EQ(w.CurrentContext(), kHelpFaceplate);
  EXPECT_TRUE(w.windowTitle().endsWith(QStringLiteral("Faceplate operation")));

  w.ShowContext(654);
  EXPECT_EQ(w.Browser->source(), QUrl(QStringLiteral("qrc:/help/options.html#scan")));
  EXPECT_EQ(w.CurrentContext(), 654);
  EXPECT_EQ(w.ContentsTree->currentItem()->text(0), QStringLiteral("Scan page"));
  EXPECT_TRUE(w.BackAct->isEnabled());
  EXPECT_FALSE(w.ForwardAct->isEnabled());

  // Another section of the same page.
  w.ShowContext(656);
  EXPECT_EQ(w.Browser->source(), QUrl(QStringLiteral("qrc:/help/options.html#display")));
  EXPECT_EQ(w.CurrentContext(), 656);
  w.BackAct->trigger();
  EXPECT_EQ(w.CurrentContext(), 654);

  w.ForwardAct->trigger();
  EXPECT_EQ(w.CurrentContext(), 656);

  w.ShowContext(4242);  // no such topic: the contents
  EXPECT_EQ(w.CurrentContext(), kHelpContents);
}

TEST(HelpWindow, ContentsAndIndexOpenTopics) {
  THelpWindow w;
  w.show();
  w.ShowContext(kHelpContents);
  const auto about = w.ContentsTree->findItems(QStringLiteral("About the program"),
                                               Qt::MatchExactly | Qt::MatchRecursive);
  ASSERT_EQ(about.size(), 1);
  emit w.ContentsTree->itemActivated(about[0], 0);
  EXPECT_EQ(w.CurrentContext(), kHelpAbout);

  QTest::keyClicks(w.IndexEdit, "small st");
  ASSERT_GE(w.IndexLst->count(), 1);
  EXPECT_EQ(w.IndexLst->item(0)->text(), QStringLiteral("Small step size"));
  QTest::keyClick(w.IndexEdit, Qt::Key_Return);
  EXPECT_EQ(w.CurrentContext(), 653);
}

TEST(HelpDesk, TheHelpMenuHasItsItemsAndF1OpensTheFocusedWindowsTopic) {
  QMainWindow main;
  SetHelpContext(&main, kHelpFaceplate);
  auto* panel = new QWidget(&main);
  auto* edit = new QLineEdit(panel);
  auto* other = new QLineEdit(panel);
  SetHelpContext(other, 655);
  main.setCentralWidget(panel);
  auto* desk = new HelpDesk(&main);
  int abouts = 0;
  QMenu* menu = AddHelpMenu(main.menuBar(), *desk, [&] { ++abouts; });
  EXPECT_EQ(menu->title(), QStringLiteral("&Help"));
  QStringList captions;
  for (QAction* a : menu->actions()) {
    if (!a->isSeparator()) captions << a->text();
  }
  EXPECT_EQ(captions,
            QStringList({"&Contents", "&Topic Search\tF1", "Using &help", "&Faceplate operation",
                         "&Memory management", "&Logging system", "&About..."}));
  main.show();
  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  EXPECT_EQ(desk->help(), nullptr);

  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_F1);
  ASSERT_NE(desk->help(), nullptr);
  EXPECT_EQ(desk->help()->CurrentContext(), kHelpFaceplate);
  EXPECT_TRUE(desk->help()->isVisible());

  main.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
  other->setFocus();
  QTest::keyClick(other, Qt::Key_F1);
  EXPECT_EQ(desk->help()->CurrentContext(), 655);

  const std::pair<const char*, int> items[] = {{"CMHelpContents", kHelpContents},
                                               {"CMHelpUsing", kHelpUsingHelp},
                                               {"CMHelpFace", kHelpFaceplate},
                                               {"CMHelpMgmt", kHelpMemory},
                                               {"CMHelpLog", kHelpLogging}};
  for (auto [name, context] : items) {
    menu->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    EXPECT_EQ(desk->help()->CurrentContext(), context) << name;
  }
  menu->findChild<QAction*>(QStringLiteral("CMHelpAbout"))->trigger();
  EXPECT_EQ(abouts, 1);

  // The same window is reused, and it goes when the main window goes.
  QPointer<THelpWindow> window = desk->help();
  desk->Shower()(kHelpAbout);
  EXPECT_EQ(desk->help(), window.data());
  desk->Quit();
  EXPECT_FALSE(window->isVisible());
}

TEST(HelpDesk, TheHelpWindowIsDestroyedWithTheMainWindow) {
  QPointer<THelpWindow> window;
  ShowHelpFn show;
  {
    QMainWindow main;
    auto* desk = new HelpDesk(&main);
    show = desk->Shower();
    show(kHelpOptions);
    window = desk->help();
    ASSERT_TRUE(window);
  }
  EXPECT_TRUE(window.isNull());
  show(kHelpOptions);  // a Help button outliving the main window does nothing
}

TEST(AboutBox, ShowsTheSystemTheMemoryAndNoDatabase) {
  TAboutBox box;
  box.system_facts = [] { return SystemFacts{"Example Linux 12", "6.1.0-18-amd64", "i486"}; };
  box.memory_facts = [] { return MemoryFacts{16'000'000'000ULL, 4'000'000'000ULL}; };
  std::vector<int> help;
  box.show_help = [&](int c) { help.push_back(c); };
  box.show();
  // The texts themselves are the core's (tests/help/help_topics_test.cpp).
  EXPECT_TRUE(box.SystemLbl->text().startsWith(QStringLiteral("Example Linux 12")));
  EXPECT_TRUE(box.MemoryLbl->text().startsWith(QStringLiteral("16000000 kB")));
  box.HelpBtn->click();
  EXPECT_EQ(help, std::vector<int>{kHelpAbout});
  testing::SaveShot(&box, QStringLiteral("about_box"));

  box.database_counts = [] { return std::optional<DatabaseCounts>(DatabaseCounts{4321, 765}); };
  box.FormShow();
  EXPECT_TRUE(box.DatabaseLbl->text().startsWith(QStringLiteral("4321")));
  box.OKBtn->click();
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(AboutBox, ShowAboutBoxRunsModallyWithTheSystemsOwnFacts) {
  QString system, memory, database;
  testing::OnNextModal([&](QWidget* w) {
    auto* box = dynamic_cast<TAboutBox*>(w);
    ASSERT_NE(box, nullptr);
    system = box->SystemLbl->text();
    memory = box->MemoryLbl->text();
    database = box->DatabaseLbl->text();
    box->OKBtn->click();
  });
  ShowAboutBox(nullptr, std::nullopt, {});
  EXPECT_FALSE(system.isEmpty());
  EXPECT_TRUE(memory.endsWith(QStringLiteral("% Free"))) << memory.toStdString();
  EXPECT_EQ(database, QStringLiteral("Database not loaded"));
}

}  // namespace
}  // namespace r8
