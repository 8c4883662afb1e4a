// QUORNUTE, the companion utility: the program starts it as QUORNUTE.EXE in its working folder,
// with --window, and does not wait for it. It reports in a small window when asked so, otherwise
// on its output (a terminal, a script, a cron job), and exits non-zero when it did not do what was
// asked.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "companion/companion_command.h"
#include "companion/ui/companion_window.h"
#include "companion/single_byte_text.h"

namespace {

std::filesystem::path SelfPath(const char* argv0) {
  std::error_code ec;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const r8::CompanionRun run = r8::RunCompanionCommand(args, SelfPath(argv[0]));
  const std::string text = r8::Latin1ToUtf8(run.report.text);
  std::fputs(text.c_str(), run.report.ok() ? stdout : stderr);
  std::fflush(nullptr);

  if (run.output == r8::CompanionOutput::kWindow) {
    QApplication app(argc, argv);
    r8::CompanionWindow shown(run.report);
    shown.exec();
  }
  return run.report.exit_code;
}
