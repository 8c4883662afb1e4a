// The main window's numbered commands, which secondary windows and the command protocol post
// instead of calling the main window. The numbers are the ones other windows and peers use, so
// they never change; the table that runs them lives here, so a window and its test can post a
// command with no main window at all.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "common/events.h"

namespace r8 {

enum class AppCommand : int {
  kTuneUp = 1216,          // CMRightCursor
  kTuneDown = 1217,        // CMLeftCursor
  kTuneDownSmall = 1218,   // CMCLeftCursor
  kTuneUpSmall = 1219,     // CMCRightCursor
  kKeypadChar = 1220,      // SetTuner, the parameter is the character
  kVfoSwitch = 1345,       // VFOBtnClick
  kTuningChInsert = 1456,  // CMTuningChInsert
  kDropFreqInsert = 1457,  // CMDropFreqInsert
  kScanButton = 1464,      // ScanBtnClick
  kDxPrograms = 1534,      // CMDXPrograms2
  kFindFreqDown = 1558,    // FindFreq(-1)
  kFindFreqHere = 1559,    // FindFreq(0)
  kWhenStation = 1560,     // WhenStat
  kFindFreqUp = 1561,      // FindFreq(1)
  kToolsLog = 1629,        // CMToolsLog
  kLogOpen = 1634,         // CMLogOpen
  kLogEntry = 1644,        // CMLogEntry
  kLogPrint = 1659,        // CMToolsLogPrint
  kLogExport = 1667,       // LogExport(1)
  kLogExport2 = 1668,      // LogExport(2)
  kLogReport = 1669,       // LogReport
  kLoggingParameters = 1674,
  kSetCloseWinMenu = 1694,
  kMemoryNew = 1729,
  kMemoryOpen = 1734,
  kPanFileOpen = 1739,
  kMemorySave = 1744,
  kPanFileSave = 1747,
  kPanFileSaveAs = 1748,
  kMemorySaveAs = 1749,
  kMemoryPrint = 1751,
  kMemoryCapture = 1754,
  kSetMemTitle = 1774,
  kMemoryFill = 1784,
  kRefresh = 1964,    // UpdateDisplay
  kUpdateAll = 2005,  // reload the database
  kUpdateWhatWindow = 2006,
  kSyncWindows = 2007,  // the parameter's low word is SyncWindows' argument
};

// The command with this number, or nullopt for a number the main window does not know.
std::optional<AppCommand> AppCommandFromNumber(int number);

class CommandTable {
 public:
  using Handler = std::function<void(int param)>;

  CommandTable() = default;
  CommandTable(const CommandTable&) = delete;
  CommandTable& operator=(const CommandTable&) = delete;

  // The window that carries out a command registers it; when the Subscription goes, so does the
  // handler. A later registration of the same command replaces the earlier one while it lives.
  [[nodiscard]] Subscription Register(AppCommand command, Handler handler);

  // Runs the command at once, as the main window handles its command messages. False when no
  // handler is registered (the command is then ignored). A handler may post further commands.
  bool Post(AppCommand command, int param = 0);
  // A numbered command as other programs and older windows send it; unknown numbers are ignored.
  bool Post(int number, int param = 0);

  bool Has(AppCommand command) const;

 private:
  struct Entry {
    std::uint64_t id = 0;
    Handler handler;
  };
  // Each command keeps a stack of handlers: the newest one runs.
  std::map<AppCommand, std::vector<Entry>> handlers_;
  std::uint64_t next_id_ = 0;
};

}  // namespace r8
