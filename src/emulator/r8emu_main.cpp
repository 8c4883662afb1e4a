// r8emu: the emulated receiver on a pseudo-terminal, for the program and for end-to-end runs.
//
//   r8emu --model R8|R8A|R8B [--trace] [--faults PLAN] [--seed N]
//
// Prints the terminal's device path as the first line of standard output, then serves the receiver
// there in real time with 9600-baud line timing both ways: a command reaches the receiver when its
// last character would have, and the answer takes its own characters' time. It runs until killed,
// or, when standard input is a pipe, socket or terminal, until standard input closes (so a parent
// that dies takes it along; started with /dev/null as input it just runs). Lines on standard input
// work the front panel: "scan memory", "scan frequency", "stop"; "status" prints the status line
// the receiver would send now and the faults so far ("faults=N"). --trace writes each command
// received to standard error. --faults spoils what the receiver sends, by chance
// (drop=0.01,garble=0.01,late=0.01:500ms,silence=5s@30s); --seed makes a run repeatable.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "emulator/fault_plan.h"
#include "emulator/receiver.h"
#include "emulator/serial_line.h"
#include "radio/radio_model.h"

namespace {

using r8::emulator::FaultInjector;
using r8::emulator::FaultPlan;
using r8::emulator::Receiver;
using r8::emulator::ScanKind;
using r8::emulator::SerialLine;

constexpr std::size_t kMaxPanelLine = 256;

int Usage() {
  std::fputs(
      "usage: r8emu --model R8|R8A|R8B [--trace] [--faults drop=P,garble=P,late=P[:D],silence=D@T]"
      " [--seed N]\n",
      stderr);
  return 2;
}

// Raw 9600 8N1 on the terminal side, so no byte is echoed, translated or swallowed.
bool MakeRaw(int fd) {
  termios t{};
  if (tcgetattr(fd, &t) != 0) return false;
  t.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL |
                                      IXON | IXOFF);
  t.c_oflag &= ~static_cast<tcflag_t>(OPOST);
  t.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
  t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB);
  t.c_cflag |= CS8 | CREAD | CLOCAL;
  t.c_cc[VMIN] = 1;
  t.c_cc[VTIME] = 0;
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  return tcsetattr(fd, TCSANOW, &t) == 0;
}

std::string Printable(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

bool WatchesStandardInput() {
  struct stat st {};
  if (fstat(STDIN_FILENO, &st) != 0) return false;
  return S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode) || isatty(STDIN_FILENO);
}

void PanelCommand(std::string_view line, Receiver& rx, const FaultInjector& faults,
                  std::uint64_t now_ms) {
  if (line == "status") {
    std::string status = rx.StatusLine();
    while (!status.empty() && (status.back() == '\n' || status.back() == '\r')) status.pop_back();
    std::printf("%s faults=%llu\n", Printable(status).c_str(),
                static_cast<unsigned long long>(faults.counts().total()));
    std::fflush(stdout);
  } else if (line == "scan memory") {
    rx.StartScan(ScanKind::kMemory, now_ms);
  } else if (line == "scan frequency") {
    rx.StartScan(ScanKind::kFrequency, now_ms);
  } else if (line == "stop") {
    rx.StopScan(now_ms);
  } else if (!line.empty()) {
    std::fprintf(stderr, "r8emu: unknown panel command: %s\n", Printable(line).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  int model = r8::kModelNone;
  bool trace = false;
  FaultPlan plan;
  std::uint32_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    if (a == "--faults" && i + 1 < argc) {
      std::string error;
      const auto parsed = r8::emulator::ParseFaultPlan(argv[++i], error);
      if (!parsed) {
        std::fprintf(stderr, "r8emu: --faults: %s\n", error.c_str());
        return 2;
      }
      plan = *parsed;
    } else if (a == "--seed" && i + 1 < argc) {
      char* end = nullptr;
      seed = static_cast<std::uint32_t>(std::strtoul(argv[++i], &end, 10));
      if (end == argv[i] || *end != '\0') return Usage();
    } else if (a == "--model" && i + 1 < argc) {
      model = r8::ModelFromName(argv[++i]).value_or(r8::kModelNone);
    } else if (a.starts_with("--model=")) {
      model = r8::ModelFromName(a.substr(8)).value_or(r8::kModelNone);
    } else if (a == "--trace") {
      trace = true;
    } else {
      return Usage();
    }
  }
  if (model == r8::kModelNone) return Usage();

  std::signal(SIGPIPE, SIG_IGN);
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
    std::perror("r8emu: pseudo-terminal");
    return 1;
  }
  const char* name = ptsname(master);
  if (name == nullptr) {
    std::perror("r8emu: ptsname");
    return 1;
  }
  const std::string path = name;
  // Holding the terminal side open keeps the raw settings between clients and spares the
  // controlling side a hang-up each time a client closes.
  const int slave = open(path.c_str(), O_RDWR | O_NOCTTY);
  if (slave < 0 || !MakeRaw(slave)) {
    std::perror("r8emu: terminal settings");
    return 1;
  }
  fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);
  const bool watch_stdin = WatchesStandardInput();
  std::printf("%s\n", path.c_str());
  std::fflush(stdout);

  Receiver rx(model);
  SerialLine line;      // receiver to program
  SerialLine incoming;  // program to receiver
  FaultInjector faults(plan, seed);
  if (trace) {
    rx.SetCommandObserver(
        [](std::string_view cmd) { std::fprintf(stderr, "> %s\n", Printable(cmd).c_str()); });
  }
  const auto start = std::chrono::steady_clock::now();
  auto now_ms = [&] {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now() - start)
                                          .count());
  };
  std::string panel;
  char buf[512];
  for (;;) {
    const std::uint64_t now = now_ms();
    for (std::uint64_t t = incoming.ArrivalMs(1); t <= now; t = incoming.ArrivalMs(1)) {
      rx.AdvanceTo(t);
      rx.Receive(incoming.TakeArrived(t), t);
    }
    rx.AdvanceTo(now);
    for (auto& r : rx.TakeReplies()) {
      if (faults.Apply(r)) line.Send(r.bytes, r.at_ms);
    }
    const std::string out = line.TakeArrived(now);
    // A client that does not read loses what does not fit, as with a receiver that ignores
    // flow control.
    if (!out.empty()) {
      [[maybe_unused]] const ssize_t sent = write(master, out.data(), out.size());
    }
    const std::uint64_t next =
        std::min({line.ArrivalMs(1), incoming.ArrivalMs(1), rx.NextEventMs()});
    const int timeout =
        next == Receiver::kNever
            ? 1000
            : static_cast<int>(std::min<std::uint64_t>(next > now ? next - now : 0, 1000));
    pollfd fds[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    if (poll(fds, watch_stdin ? 2 : 1, timeout) < 0) continue;
    if (fds[0].revents & POLLIN) {
      const ssize_t n = read(master, buf, sizeof buf);
      if (n > 0) incoming.Send(std::string_view(buf, static_cast<std::size_t>(n)), now_ms());
    } else if (fds[0].revents & (POLLHUP | POLLERR)) {
      usleep(10000);  // no client side open: do not spin
    }
    if (watch_stdin && (fds[1].revents & (POLLIN | POLLHUP | POLLERR))) {
      const ssize_t n = read(STDIN_FILENO, buf, sizeof buf);
      if (n <= 0) break;
      for (ssize_t i = 0; i < n; ++i) {
        if (buf[i] == '\n') {
          if (!panel.empty() && panel.back() == '\r') panel.pop_back();
          PanelCommand(panel, rx, faults, now_ms());
          panel.clear();
        } else if (panel.size() < kMaxPanelLine) {
          panel += buf[i];
        }
      }
    }
  }
  close(slave);
  close(master);
  return 0;
}
