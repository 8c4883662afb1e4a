#include "memory/memory_commands.h"

#include "app/app_context.h"
#include "common/confirm_save.h"
#include "common/file_commit.h"
#include "common/format.h"
#include "memory/memory_exchange.h"
#include "radio/radio_model.h"

namespace r8 {
namespace {

constexpr char kWhat[] = "Memory file";

std::filesystem::path Resolve(AppContext& ctx, const std::string& name) {
  std::filesystem::path p(name);
  if (p.is_relative()) p = ctx.data_folder() / p;
  return p;
}

std::optional<std::string> AskFileName(AppContext& ctx, bool for_open) {
  FileDialogRequest req;
  req.for_open = for_open;
  req.filters = {"Memory|*.MEM"};
  req.initial_dir = ctx.data_folder().string();
  req.file_must_exist = for_open;
  req.overwrite_prompt = !for_open;
  const FileDialogResult r = ctx.prompts().FileDialog(req);
  if (!r.accepted || r.name.empty()) return std::nullopt;
  std::string name = r.name;
  if (!for_open && std::filesystem::path(name).extension().empty()) name += ".MEM";
  return Resolve(ctx, name).string();
}

bool WriteFile(AppContext& ctx) {
  MemoryDocument& doc = ctx.memory();
  std::string error;
  const std::string bytes = FormatMemFile(doc, ctx.settings().RadioModel);
  if (!CommitFiles({FileToWrite{doc.file_name, bytes}}, error)) {
    ShowMessage(ctx.prompts(), MessageKind::kError,
                "The memory file " + doc.file_name + " could not be saved: " + error);
    return false;
  }
  doc.modified = 0;
  MemoryTableChanged(ctx);
  return true;
}

// The shared prompt; false when the command is to be abandoned.
bool AskToSave(AppContext& ctx, const char* action) {
  switch (ConfirmSaveChanges(ctx.prompts(), kWhat, action, ctx.memory().modified)) {
    case Answer::kYes:
      return MemorySave(ctx);
    case Answer::kNo:
      ctx.memory().modified = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace

int MemoryChannelCount(int model) {
  const int n = ChannelCount(model);
  return n > 0 ? n : kMemorySlots;
}

std::string MemTitle(const MemoryDocument& doc) {
  std::string t = "Memories - [" + std::filesystem::path(doc.file_name).filename().string() + "]";
  if (doc.modified == 1) t += "*";
  if (!doc.comment.empty()) t += " - " + doc.comment;
  return t;
}

void MemoryTableChanged(AppContext& ctx) {
  const MemoryDocument& doc = ctx.memory();
  if (doc.file_name == kUntitled) {
    ctx.scan().channel_occupied = nullptr;
  } else {
    ctx.scan().channel_occupied = [&doc](int channel) { return doc.Occupied(channel); };
  }
  ctx.events().memory_table_changed.Emit();
}

bool MemorySave(AppContext& ctx) {
  MemoryDocument& doc = ctx.memory();
  if (doc.modified != 1) return false;
  if (doc.file_name == kUntitled) {
    const std::optional<std::string> name = AskFileName(ctx, false);
    if (!name) return false;
    doc.file_name = *name;
  }
  return WriteFile(ctx);
}

bool MemorySaveAs(AppContext& ctx) {
  const std::optional<std::string> name = AskFileName(ctx, false);
  if (!name) return false;
  ctx.memory().file_name = *name;
  ctx.memory().modified = 1;
  return MemorySave(ctx);
}

bool MemoryOpen(AppContext& ctx, bool interactive, const std::string& path) {
  if (!AskToSave(ctx, "opening a new one")) return false;
  std::string name = path;
  if (interactive) {
    const std::optional<std::string> chosen = AskFileName(ctx, true);
    if (!chosen) return false;
    name = *chosen;
  }
  if (name.empty() || name == kUntitled) return false;
  const std::filesystem::path file = Resolve(ctx, name);
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) {
    if (interactive) {
      ShowMessage(ctx.prompts(), MessageKind::kError,
                  "The memory file " + file.string() + " could not be read.");
    }
    return false;
  }
  MemoryDocument& doc = ctx.memory();
  doc.Clear();
  const MemFileReading reading = ReadMemFile(bytes, doc);
  doc.file_name = file.string();
  doc.modified = 0;
  MemoryTableChanged(ctx);
  if (reading.problem_count > 0) {
    ShowMessage(ctx.prompts(), MessageKind::kWarning,
                DescribeProblems(file.filename().string(), reading));
  }
  return true;
}

bool MemoryNew(AppContext& ctx) {
  if (!AskToSave(ctx, "clearing")) return false;
  MemoryDocument& doc = ctx.memory();
  doc.file_name = std::string(kUntitled);
  doc.Clear();
  doc.modified = 0;
  MemoryTableChanged(ctx);
  return true;
}

void DoDelete(AppContext& ctx, int channel) {
  if (channel < 0 || channel >= kMemorySlots) return;
  MemoryDocument& doc = ctx.memory();
  doc.modified = 1;
  doc.ClearSlot(channel);
  const bool connected = ctx.link().PortError() == 0;
  const int model = ctx.settings().RadioModel;
  if (connected && (model == kModelR8A || model == kModelR8B)) {
    ctx.link().RadioTransact("EC" + IntToStr3Z(channel) + "\r", 2);
  }
  MemoryTableChanged(ctx);
  if (connected) ctx.commands().Post(AppCommand::kRefresh);
}

std::string ClearChannelQuestion(int model, int channel) {
  return "Are you sure you want to clear channel " +
         (model == kModelR8 ? IntToStr2Z(channel) : IntToStr3Z(channel)) + "?";
}

bool ApplyComment(AppContext& ctx, const std::vector<std::string>& lines) {
  if (lines.empty()) return false;
  std::string joined;
  for (const std::string& l : lines) joined += l;
  if (joined.size() > kCommentLength) joined.resize(kCommentLength);
  ctx.memory().comment = joined;
  ctx.memory().modified = 1;
  MemoryTableChanged(ctx);
  return true;
}

bool RecallMemory(AppContext& ctx, int channel) {
  if (ctx.link().PortError() != 0 || ctx.scan().active || !ctx.memory().Occupied(channel)) {
    return false;
  }
  ctx.control().RecallChannel(channel);
  ctx.commands().Post(AppCommand::kRefresh);
  return true;
}

MemoryCommands::MemoryCommands(AppContext& ctx, MemoryProgress* progress)
    : ctx_(ctx), progress_(progress) {
  CommandTable& t = ctx.commands();
  new_ = t.Register(AppCommand::kMemoryNew, [this](int) {
    if (MemoryNew(ctx_)) ShowList();
  });
  open_ = t.Register(AppCommand::kMemoryOpen, [this](int) {
    if (MemoryOpen(ctx_, true)) ShowList();
  });
  save_ = t.Register(AppCommand::kMemorySave, [this](int) { MemorySave(ctx_); });
  save_as_ = t.Register(AppCommand::kMemorySaveAs, [this](int) { MemorySaveAs(ctx_); });
  capture_ = t.Register(AppCommand::kMemoryCapture, [this](int) {
    if (CMMemoryCapture(ctx_, progress_).ran) ShowList();
  });
  fill_ = t.Register(AppCommand::kMemoryFill, [this](int) { CMMemoryFill(ctx_, progress_); });
  // The list's caption and the Save items follow the table's event.
  title_ = t.Register(AppCommand::kSetMemTitle,
                      [this](int) { ctx_.events().memory_table_changed.Emit(); });
}

void MemoryCommands::ShowList() {
  if (show_list) show_list();
}

}  // namespace r8
