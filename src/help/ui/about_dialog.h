// TAboutBox ("About Veltrix R8 Control"): the program's name and version, and a summary of the
// computer (system and processor, physical memory) and of the loaded station database.
#pragma once

#include <functional>
#include <optional>

#include <QDialog>

#include "help/about_info.h"
#include "help/ui/help_desk.h"

class QLabel;
class QPushButton;

namespace r8 {

// What the system says about itself: its name and version, the processor; the physical memory.
SystemFacts GatherSystemFacts();
std::optional<MemoryFacts> GatherMemoryFacts();

class TAboutBox : public QDialog {
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // Where the labels' facts come from; tests give their own.
  std::function<SystemFacts()> system_facts = GatherSystemFacts;
  std::function<std::optional<MemoryFacts>()> memory_facts = GatherMemoryFacts;
  // The station database's counts; none (or no records) while it is not loaded.
  std::function<std::optional<DatabaseCounts>()> database_counts;
  ShowHelpFn show_help;

  // Fills the three labels.
  void FormShow();
  void HelpBtnClick();

  QLabel* SystemLbl = nullptr;
  QLabel* MemoryLbl = nullptr;
  QLabel* DatabaseLbl = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* HelpBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

// CMHelpAbout: the About box, modal over parent.
void ShowAboutBox(QWidget* parent, std::optional<DatabaseCounts> counts, ShowHelpFn show_help);

}  // namespace r8
