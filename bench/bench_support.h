// What the benchmarks and the soak share: prompts that answer every question the same way and a
// launcher that starts nothing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/program_launcher.h"
#include "common/user_prompts.h"

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

struct NoLauncher : ProgramLauncher {
  bool Start(const std::filesystem::path&, const std::vector<std::string>&,
             const std::filesystem::path&) override {
    return false;
  }
};

}  // namespace r8::bench
