// QUORNUTE, the companion utility: the program starts it as QUORNUTE.EXE in its working folder and
// does not wait for it. It reports in a small window, or on the terminal when started from one,
// and exits non-zero when it did not do what was asked.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "companion/companion_command.h"
#include "companion/ui/companion_window.h"
#include "companion/single_byte_text.h"

namespace {

// Started from a shell: a controlling terminal and output to it. The program starts the
// companion detached in a session of its own, which has no controlling terminal.
bool StartedFromTerminal() {
  if (!isatty(STDOUT_FILENO)) return false;
  const int fd = open("/dev/tty", O_RDWR | O_NOCTTY);
  if (fd < 0) return false;
  close(fd);
  return true;
}

bool HasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

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

  bool window = run.output == r8::CompanionOutput::kWindow;
  if (run.output == r8::CompanionOutput::kAuto) window = !StartedFromTerminal() && HasDisplay();
  if (window) {
    QApplication app(argc, argv);
    r8::CompanionWindow shown(run.report);
    shown.exec();
  }
  return run.report.exit_code;
}
