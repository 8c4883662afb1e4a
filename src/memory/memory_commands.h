// The memory file's commands: new, open, save, save as, the caption of the memory list, and the
// named commands that run them (with capture and fill) whichever window posts them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/events.h"
#include "memory/memory_document.h"

namespace r8 {

class AppContext;
class MemoryProgress;

// The model's channel count; with no model chosen every slot counts, so nothing read is lost.
int MemoryChannelCount(int model);

// "Memories - [NAME]" with "*" when modified and " - comment" when there is one.
std::string MemTitle(const MemoryDocument& doc);

// After any change of the table: the scan's view of it follows the loaded file (none while it is
// "<Untitled>") and memory_table_changed is posted.
void MemoryTableChanged(AppContext& ctx);

// Writes when modified (asking for a name first while "<Untitled>"); true when written.
bool MemorySave(AppContext& ctx);
// Asks for a name and always writes; false when the name was not given or the write failed.
bool MemorySaveAs(AppContext& ctx);
// After the save prompt: interactive asks for the file; otherwise path is read (start-up). A
// file that cannot be read leaves the table as it was. False when nothing was opened.
bool MemoryOpen(AppContext& ctx, bool interactive, const std::string& path = {});
// After the save prompt: an empty "<Untitled>" table. False when cancelled.
bool MemoryNew(AppContext& ctx);

// Empties a channel (marking the table modified); a connected R8A/R8B erases it too ("EC").
void DoDelete(AppContext& ctx, int channel);
// "Are you sure you want to clear channel 07?"
std::string ClearChannelQuestion(int model, int channel);
// The comment dialog's OK: the memo's lines joined without separators (at most 255
// characters); a memo without lines leaves the comment. True when the comment was set.
bool ApplyComment(AppContext& ctx, const std::vector<std::string>& lines);
// Recalls a stored channel in the receiver when connected and not scanning; true when sent.
bool RecallMemory(AppContext& ctx, int channel);

// Registers AppCommand kMemoryNew/Open/Save/SaveAs/Capture/Fill/SetMemTitle for as long as it
// lives. The window side gives the list window and the progress window.
class MemoryCommands {
 public:
  MemoryCommands(AppContext& ctx, MemoryProgress* progress);

  // MemNoBtnClick: shows the memory list.
  std::function<void()> show_list;

 private:
  void ShowList();
  AppContext& ctx_;
  MemoryProgress* progress_;
  Subscription new_, open_, save_, save_as_, capture_, fill_, title_;
};

}  // namespace r8
