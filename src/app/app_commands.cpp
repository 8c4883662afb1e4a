#include "app/app_commands.h"

#include <algorithm>
#include <array>
#include <utility>

namespace r8 {
namespace {

constexpr std::array kCommands = {
    AppCommand::kTuneUp,           AppCommand::kTuneDown,
    AppCommand::kTuneDownSmall,    AppCommand::kTuneUpSmall,
    AppCommand::kKeypadChar,       AppCommand::kVfoSwitch,
    AppCommand::kTuningChInsert,   AppCommand::kDropFreqInsert,
    AppCommand::kScanButton,       AppCommand::kDxPrograms,
    AppCommand::kFindFreqDown,     AppCommand::kFindFreqHere,
    AppCommand::kWhenStation,      AppCommand::kFindFreqUp,
    AppCommand::kToolsLog,         AppCommand::kLogOpen,
    AppCommand::kLogEntry,         AppCommand::kLogPrint,
    AppCommand::kLogExport,        AppCommand::kLogExport2,
    AppCommand::kLogReport,        AppCommand::kLoggingParameters,
    AppCommand::kSetCloseWinMenu,  AppCommand::kMemoryNew,
    AppCommand::kMemoryOpen,       AppCommand::kPanFileOpen,
    AppCommand::kMemorySave,       AppCommand::kPanFileSave,
    AppCommand::kPanFileSaveAs,    AppCommand::kMemorySaveAs,
    AppCommand::kMemoryPrint,      AppCommand::kMemoryCapture,
    AppCommand::kSetMemTitle,      AppCommand::kMemoryFill,
    AppCommand::kRefresh,          AppCommand::kUpdateAll,
    AppCommand::kUpdateWhatWindow, AppCommand::kSyncWindows,
};

}  // namespace

std::optional<AppCommand> AppCommandFromNumber(int number) {
  const auto it = std::find_if(kCommands.begin(), kCommands.end(),
                               [number](AppCommand c) { return static_cast<int>(c) == number; });
  return it == kCommands.end() ? std::nullopt : std::optional<AppCommand>(*it);
}

Subscription CommandTable::Register(AppCommand command, Handler handler) {
  const std::uint64_t id = ++next_id_;
  handlers_[command].push_back({id, std::move(handler)});
  // The table belongs to the context, which outlives every window that registers.
  return Subscription([this, command, id] {
    auto it = handlers_.find(command);
    if (it == handlers_.end()) return;
    std::erase_if(it->second, [id](const Entry& e) { return e.id == id; });
    if (it->second.empty()) handlers_.erase(it);
  });
}

bool CommandTable::Post(AppCommand command, int param) {
  const auto it = handlers_.find(command);
  if (it == handlers_.end() || it->second.empty()) return false;
  // A copy: the handler may close the window that registered it.
  const Handler handler = it->second.back().handler;
  handler(param);
  return true;
}

bool CommandTable::Post(int number, int param) {
  const std::optional<AppCommand> command = AppCommandFromNumber(number);
  return command ? Post(*command, param) : false;
}

bool CommandTable::Has(AppCommand command) const {
  const auto it = handlers_.find(command);
  return it != handlers_.end() && !it->second.empty();
}

}  // namespace r8
