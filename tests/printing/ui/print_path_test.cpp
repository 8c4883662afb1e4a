// Real printouts: the demo memory file and a test log through QPrinter to PDF, read back with
// pdftotext, and the wiring of the print commands.
#include "printing/ui/print_path.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include "common/file_commit.h"
#include "common/ui/print_status_dialog.h"
#include "memory/memory_commands.h"
#include "memory/memory_print.h"
#include "memory/ui/memory_list_window.h"
#include "memory/ui/memory_menu.h"
#include "printing/ui/log_printing.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

using testing::Named;
using testing::TestContext;

// The text of each page of a PDF, as pdftotext lays it out.
std::vector<std::string> PdfPages(const std::filesystem::path& pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"),
          {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
  EXPECT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  std::vector<std::string> pages;
  std::string all = p.readAllStandardOutput().toStdString();
  std::size_t start = 0;
  for (std::size_t ff; (ff = all.find('\f', start)) != std::string::npos; start = ff + 1) {
    pages.push_back(all.substr(start, ff - start));
  }
  return pages;
}

std::vector<std::string> LogRecords(const std::string& file) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(file, bytes));
  std::vector<std::string> records;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    records.push_back(bytes.substr(start, end - start));
  }
  return records;
}

class PrintPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.clock().Set({2026, 12, 7, 3, 30, 0});
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QString::fromStdString(pdf_.string()));
  }
  // Clicks the status window's Abort once it shows the page given.
  void AbortAfter(int page) {
    auto* timer = new QTimer(&window_);
    QObject::connect(timer, &QTimer::timeout, [timer, page] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* status = dynamic_cast<TPrintStatusDlg*>(w);
        if (status && status->isVisible() &&
            status->PageNo->text().startsWith(QStringLiteral("Page %1 of").arg(page))) {
          status->AbortBtn->click();
          timer->stop();
        }
      }
    });
    timer->start(0);
  }
  LogPrintRequest Log() {
    LogPrintRequest r;
    r.log_file = std::string(R8_TEST_DATA_DIR) + "/TEST.LOG";
    r.lines = LogPrintLines(LogRecords(r.log_file));
    r.date = "07 Dec 26";
    return r;
  }
  std::vector<std::string> Folder() {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(t_.dir().path()))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TestContext t_{kModelR8B};
  std::filesystem::path pdf_ = t_.dir() / "out.pdf";
  QPrinter printer_{QPrinter::HighResolution};
  QMainWindow window_;
};

TEST_F(PrintPathTest, TheDemoMemoryFileOnTenPages) {
  ASSERT_TRUE(MemoryOpen(t_.ctx(), false, R8_DEMO_DIR "/DEMO.MEM"));
  MemoryMenu menu(t_.ctx(), *window_.menuBar(), window_, &printer_);
  std::optional<PrintOffer> offered;
  menu.print_dialog = [&](QPrinter&, const PrintOffer& offer, QWidget*) {
    offered = offer;
    return std::optional<PrintChoice>(PrintChoice{});
  };
  Named<QAction>(&window_, "MemPrint1")->trigger();
  ASSERT_TRUE(offered);
  EXPECT_EQ(offered->pages, 10);
  EXPECT_TRUE(offered->page_range);
  EXPECT_FALSE(offered->selection);

  const std::vector<std::string> pages = PdfPages(pdf_);
  ASSERT_EQ(pages.size(), 10u);
  const std::string& one = pages[0];
  for (const char* text : {"Veltrix R8 Control Memories", "Page 1", "Mem", "Frequency", "Notes",
                           "Bank 00", "Bank 09", "5975.00", "VOA", "<none>", "07 Dec 26",
                           "Memory File: ", "DEMO.MEM"}) {
    EXPECT_NE(one.find(text), std::string::npos) << text;
  }
  EXPECT_NE(pages[9].find("Page 10"), std::string::npos);
  EXPECT_NE(pages[9].find("Bank 99"), std::string::npos);
  EXPECT_NE(pages[9].find("999"), std::string::npos);
  EXPECT_EQ(pages[9].find("VOA"), std::string::npos);
  EXPECT_EQ(Folder(), (std::vector<std::string>{"out.pdf"}));
}

TEST_F(PrintPathTest, TheTestLogOnTwoPagesAndAPageRange) {
  const LogPrintRequest log = Log();
  PrintPath path(printer_, &window_, t_.prompts(), [](QPrinter&, const PrintOffer& offer, QWidget*) {
    EXPECT_EQ(offer.pages, 2);
    EXPECT_FALSE(offer.selection);
    return std::optional<PrintChoice>(PrintChoice{});
  });
  ASSERT_TRUE(PrintLog(path, log));
  std::vector<std::string> pages = PdfPages(pdf_);
  ASSERT_EQ(pages.size(), 2u);
  for (const char* text : {"Veltrix R8 Control Radio Log", "Page 1", "Frequency", "Time", "Date",
                           "Mode", "Rate/Shift", "SINPO", "Call", "Station Name", "9580.00",
                           "Radio Valdoria", "Fading deep at times", "Log File: ", "TEST.LOG"}) {
    EXPECT_NE(pages[0].find(text), std::string::npos) << text;
  }
  EXPECT_NE(pages[1].find("Page 2"), std::string::npos);
  // The last entry is on the second page.
  EXPECT_NE(pages[1].find("W1AW"), std::string::npos);

  PrintPath second(printer_, &window_, t_.prompts(), [](QPrinter&, const PrintOffer&, QWidget*) {
    return std::optional<PrintChoice>(PrintChoice{{2, 2}, false});
  });
  ASSERT_TRUE(PrintLog(second, log));
  pages = PdfPages(pdf_);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(pages[0].find("Page 2"), std::string::npos);
}

TEST_F(PrintPathTest, AbortAfterThePageLeavesAShorterDocumentAndNoPartFile) {
  MemoryPages pages(t_.ctx().memory(), kModelR8B, "07 Dec 26", "<Untitled>");
  PrintPath path(printer_, &window_, t_.prompts());
  AbortAfter(1);
  const PageRunResult r = path.Print(pages, {"DX", "DX"});
  EXPECT_EQ(r.pages, 10);
  EXPECT_EQ(r.printed, 1);
  const std::vector<std::string> text = PdfPages(pdf_);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_NE(text[0].find("Bank 09"), std::string::npos);
  EXPECT_EQ(Folder(), (std::vector<std::string>{"out.pdf"}));
  EXPECT_TRUE(t_.prompts().texts().empty());

  // A printer that cannot start leaves the earlier file as it was and nothing beside it.
  printer_.setOutputFileName(QString::fromStdString((t_.dir() / "no/such/folder.pdf").string()));
  EXPECT_EQ(path.Print(pages, {"DX", "DX"}).printed, 0);
  ASSERT_EQ(t_.prompts().texts().size(), 1u);
  EXPECT_NE(t_.prompts().texts()[0].find("could not be started"), std::string::npos);
  EXPECT_EQ(Folder(), (std::vector<std::string>{"out.pdf"}));
}

// The memory list's Print reaches the sheet with the model's pages offered, and prints the range
// chosen; its preview item opens the preview.
TEST_F(PrintPathTest, MemoryListPrintOffersTheModelsPages) {
  MemoryMenu menu(t_.ctx(), *window_.menuBar(), window_, &printer_);
  TMemList list(t_.ctx());
  const struct {
    int model;
    PrintOffer offer;
    PageRange range;
    const char* last_channel;
  } cases[] = {
      {kModelR8, {1, false, false}, {}, "99"},
      {kModelR8A, {5, true, false}, {5, 5}, "439"},
  };
  for (const auto& c : cases) {
    t_.ctx().settings().RadioModel = c.model;
    std::optional<PrintOffer> offered;
    menu.print_dialog = [&](QPrinter&, const PrintOffer& offer, QWidget*) {
      offered = offer;
      return std::optional<PrintChoice>(PrintChoice{c.range, false});
    };
    Named<QAction>(&list, "Print1")->trigger();
    ASSERT_TRUE(offered);
    EXPECT_EQ(offered->pages, c.offer.pages);
    EXPECT_EQ(offered->page_range, c.offer.page_range);
    const std::vector<std::string> pages = PdfPages(pdf_);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NE(pages[0].find(c.last_channel), std::string::npos);
  }
  bool previewed = false;
  testing::OnNextModal([&](QWidget* w) {
    previewed = dynamic_cast<QPrintPreviewDialog*>(w) != nullptr;
    w->close();
  });
  Named<QAction>(&list, "PrintPreview1")->trigger();
  EXPECT_TRUE(previewed);
}

// With the log display open "Selection" is offered, and chosen it prints the selected entries.
TEST_F(PrintPathTest, TheLogsSelection) {
  LogPrintRequest log = Log();
  log.selection_offered = true;
  log.selection_lines = LogPrintLines({" 6070.00\tkHz\t0300\t07 Dec 26\tAM\t\t45444\t\tCFRX"});
  PrintPath path(printer_, &window_, t_.prompts(), [](QPrinter&, const PrintOffer& offer, QWidget*) {
    EXPECT_TRUE(offer.selection);
    return std::optional<PrintChoice>(PrintChoice{{}, true});
  });
  ASSERT_TRUE(PrintLog(path, log));
  const std::vector<std::string> pages = PdfPages(pdf_);
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NE(pages[0].find("CFRX"), std::string::npos);
  EXPECT_EQ(pages[0].find("Radio Valdoria"), std::string::npos);
}

}  // namespace
}  // namespace r8
