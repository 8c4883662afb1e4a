// What the benchmarks and the soak share: prompts that answer every question the same way and a
// launcher that starts nothing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/program_launcher.h"
#include "common/user_prompts.h"
#include "memory/memory_document.h"
#include "memory/memory_line.h"
#include "radio/radio_model.h"

namespace r8::bench {

struct AnsweringPrompts : UserPrompts {
  explicit AnsweringPrompts(Answer answer = Answer::kOk) : answer_(answer) {}
  Answer Message(const MessageRequest&) override { return answer_; }
  void Beep(BeepKind) override {}
  void BusyCursor(bool) override {}
  FileDialogResult FileDialog(const FileDialogRequest&) override { return {}; }

 private:
  Answer answer_;
};

// Every one of the R8B's 1000 channels in use, 5 kHz apart from 5000 kHz, every other one named.
inline MemoryDocument FullMemoryDocument() {
  MemoryDocument doc;
  for (int c = 0; c < kMemorySlots; ++c) {
    MemoryLine m;
    m.channel = c;
    m.freq_khz = 5000.0 + c * 5.0;
    m.notes = c % 2 ? "NAME" : "";
    doc.SetSlot(c, CreateTuneString(m, kModelR8B));
  }
  return doc;
}

struct NoLauncher : ProgramLauncher {
  bool Start(const std::filesystem::path&, const std::vector<std::string>&,
             const std::filesystem::path&) override {
    return false;
  }
};

}  // namespace r8::bench
