// Real printouts through QPrinter to PDF, read back with pdftotext: the demo memory file from
// the memory menus, the tests' own log, and a run aborted after its first page.
#include "printing/ui/print_path.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>

#include "common/file_commit.h"
#include "common/ui/print_status_dialog.h"
#include "memory/memory_commands.h"
#include "memory/memory_print.h"
#include "memory/ui/memory_list_window.h"
#include "memory/ui/memory_menu.h"
#include "log/ui/log_menu.h"
#include "printing/ui/log_printing.h"
#include "support/test_context.h"
#include "support/ui_support.h"

namespace r8 {
namespace {

class PrintPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(QString::fromStdString(pdf_.string()));
  }
  // Each page's text as pdftotext lays it out.
  std::vector<std::string> Pages() {
    QProcess p;
    p.start("pdftotext", {"-layout", QString::fromStdString(pdf_.string()), "-"});
    EXPECT_TRUE(p.waitForFinished(30000) && p.exitCode() == 0);
    std::vector<std::string> pages;
    std::string all = p.readAllStandardOutput().toStdString();
    for (std::size_t s = 0, ff; (ff = all.find('\f', s)) != std::string::npos; s = ff + 1)
      pages.push_back(all.substr(s, ff - s));
    return pages;
  }
  // The dialog's answers in turn; the offers it was asked with are kept.
  PrintDialogFn Answer(std::vector<PrintChoice> choices) {
    return [this, choices](QPrinter&, const PrintOffer& offer, QWidget*) {
      offers_.push_back(offer);
      return std::optional<PrintChoice>(choices[offers_.size() - 1]);
    };
  }
  // Only the PDF is left in the folder.
  bool OnlyThePdf() {
    return std::filesystem::exists(pdf_) &&
           std::distance(std::filesystem::directory_iterator(t_.dir().path()), {}) == 1;
  }

  testing::TestContext t_{kModelR8B};
  std::filesystem::path pdf_ = t_.dir() / "out.pdf";
  QPrinter printer_{QPrinter::HighResolution};
  QMainWindow window_;
  std::vector<PrintOffer> offers_;
};

auto Has = [](const std::string& page, const char* text) {
  return page.find(text) != std::string::npos;
};

// The Log menu's "P&rint log" prints the demo log: one page, its entries and their notes.
TEST_F(PrintPathTest, TheDemoLogFromTheLogMenu) {
  std::filesystem::copy_file(R8_DEMO_DIR "/TARVELIN.LOG", t_.dir() / "TARVELIN.LOG");
  LogMenu menu(t_.ctx(), window_, *window_.menuBar(), {}, {}, &printer_);
  menu.print_dialog = Answer({{}});
  testing::Named<QAction>(&window_, "PrintLog1")->trigger();
  const std::vector<std::string> pages = Pages();
  ASSERT_EQ(pages.size(), 1u);
  for (const char* text : {"Veltrix R8 Control Radio Log", "Page 1", "Frequency", "Station Name",
                           "21 Nov 99", "Radio Australia", "145.5000", "Seoul Calling",
                           "Log File:", "TARVELIN.LOG"})
    EXPECT_TRUE(Has(pages[0], text)) << text;
}

// The faceplate's "&Print" offers the R8B's ten pages; the memory list's offers the R8A's five
// and prints the range chosen; its preview item opens the preview.
TEST_F(PrintPathTest, TheDemoMemoryFileFromTheMemoryMenus) {
  ASSERT_TRUE(MemoryOpen(t_.ctx(), false, R8_DEMO_DIR "/DEMO.MEM"));
  MemoryMenu menu(t_.ctx(), *window_.menuBar(), window_, &printer_);
  menu.print_dialog = Answer({{}, {{5, 5}, false}});
  testing::Named<QAction>(&window_, "MemPrint1")->trigger();
  std::vector<std::string> pages = Pages();
  ASSERT_EQ(pages.size(), 10u);
  for (const char* text : {"Veltrix R8 Control Memories", "Page 1", "Mem", "Frequency", "Notes",
                           "Bank 00", "Bank 09", "5975.00 kHz", "VOA", "<none>", "DEMO.MEM"})
    EXPECT_TRUE(Has(pages[0], text)) << text;
  EXPECT_TRUE(Has(pages[9], "Page 10") && Has(pages[9], "Bank 99") && !Has(pages[9], "VOA"));

  t_.ctx().settings().RadioModel = kModelR8A;
  TMemList list(t_.ctx());
  testing::Named<QAction>(&list, "Print1")->trigger();
  pages = Pages();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(Has(pages[0], "Page 5") && Has(pages[0], "439") && !Has(pages[0], "440"));
  ASSERT_EQ(offers_.size(), 2u);
  EXPECT_TRUE(offers_[0].pages == 10 && offers_[0].page_range && !offers_[0].selection);
  EXPECT_TRUE(offers_[1].pages == 5 && offers_[1].page_range);
  bool previewed = false;
  testing::OnNextModal(
      [&](QWidget* w) { previewed = dynamic_cast<QPrintPreviewDialog*>(w) && w->close(); });
  testing::Named<QAction>(&list, "PrintPreview1")->trigger();
  EXPECT_TRUE(previewed);
  EXPECT_TRUE(OnlyThePdf());
}

// All of the log on two pages, then its second page alone, then the display's selection.
TEST_F(PrintPathTest, TheTestLogItsRangeAndSelection) {
  LogPrintRequest log{R8_TEST_DATA_DIR "/TEST.LOG", {}, true, {}, "07 Dec 26"};
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(log.log_file, bytes));
  std::vector<std::string> records;
  for (std::size_t s = 0, e; (e = bytes.find("\r\n", s)) != std::string::npos; s = e + 2)
    records.push_back(bytes.substr(s, e - s));
  log.lines = LogPrintLines(records);
  log.selection_lines = LogPrintLines({records[44]});
  PrintPath path(printer_, &window_, t_.prompts(), Answer({{}, {{2, 2}}, {{}, true}}));
  ASSERT_TRUE(PrintLog(path, log));
  std::vector<std::string> pages = Pages();
  ASSERT_EQ(pages.size(), 2u);
  for (const char* text : {"Veltrix R8 Control Radio Log", "Page 1", "Frequency", "Time", "Date",
                           "Mode", "Rate/Shift", "SINPO", "Call", "Station Name", "9580.00 kHz",
                           "Fading deep at times", "07 Dec 26", "Log File: ", "TEST.LOG"})
    EXPECT_TRUE(Has(pages[0], text)) << text;
  EXPECT_TRUE(Has(pages[1], "Page 2") && Has(pages[1], "0945") && !Has(pages[0], "0945"));
  ASSERT_TRUE(PrintLog(path, log) && Pages().size() == 1 && Has(Pages()[0], "Page 2"));
  ASSERT_TRUE(PrintLog(path, log) && Pages().size() == 1);
  EXPECT_TRUE(Has(Pages()[0], "0945") && !Has(Pages()[0], "1313"));
  EXPECT_TRUE(offers_[0].pages == 2 && offers_[0].selection);
  bool previewed = false;
  testing::OnNextModal(
      [&](QWidget* w) { previewed = dynamic_cast<QPrintPreviewDialog*>(w) && w->close(); });
  PreviewLog(path, log);
  EXPECT_TRUE(previewed);
}

// Abort after the first page: a valid one-page document and no part file. A printer that cannot
// start says so and leaves the earlier file alone.
TEST_F(PrintPathTest, AbortAfterThePageLeavesAShorterDocument) {
  MemoryPages sheet(t_.ctx().memory(), kModelR8B, "07 Dec 26", "<Untitled>");
  PrintPath path(printer_, &window_, t_.prompts());
  QTimer timer;
  bool modal = false;  // the other windows keep still while it prints
  QObject::connect(&timer, &QTimer::timeout, [&modal] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* s = dynamic_cast<TPrintStatusDlg*>(w);
          s && s->PageNo->text().startsWith("Page 1 of")) {
        modal = QApplication::activeModalWidget() == s;
        s->AbortBtn->click();
      }
  });
  timer.start(0);
  const PageRunResult r = path.Print(sheet, {"DX", "DX"});
  EXPECT_TRUE(r.pages == 10 && r.printed == 1 && modal);
  const std::vector<std::string> pages = Pages();
  EXPECT_TRUE(pages.size() == 1 && Has(pages[0], "Bank 09"));
  EXPECT_TRUE(OnlyThePdf());
  printer_.setOutputFileName(QString::fromStdString((t_.dir() / "no/such.pdf").string()));
  EXPECT_EQ(path.Print(sheet, {"DX", "DX"}).printed, 0);
  EXPECT_TRUE(Has(t_.prompts().texts().at(0), "could not be started"));
  EXPECT_TRUE(OnlyThePdf());
}

}  // namespace
}  // namespace r8
