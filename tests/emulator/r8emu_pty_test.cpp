// Starts the r8emu program and talks to it through its pseudo-terminal, as the program would
// through a real port. Every wait is bounded (about two seconds at most).
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kLimit = std::chrono::milliseconds(2000);

// Reads from fd until the text holds `bytes` bytes or a line feed (bytes == 0), or time is up.
std::string ReadUntil(int fd, std::size_t bytes) {
  const auto deadline = Clock::now() + kLimit;
  std::string text;
  char buf[256];
  while (bytes ? text.size() < bytes : text.find('\n') == std::string::npos) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    pollfd p{fd, POLLIN, 0};
    if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n <= 0) break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  return text;
}

// r8emu with its standard input and output on pipes; closing the input asks it to stop.
class R8emuProcess {
 public:
  explicit R8emuProcess(std::string model) {
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char arg0[] = "r8emu";
    char arg1[] = "--model";
    char* argv[] = {arg0, arg1, model.data(), nullptr};
    if (posix_spawn(&pid_, R8EMU_PATH, &actions, nullptr, argv, environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    stdin_ = in[1];
    stdout_ = out[0];
  }
  ~R8emuProcess() {
    CloseInput();
    if (stdout_ >= 0) close(stdout_);
    if (pid_ > 0 && !Reap()) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  bool started() const { return pid_ > 0; }
  int stdout_fd() const { return stdout_; }
  int stdin_fd() const { return stdin_; }
  void CloseInput() {
    if (stdin_ >= 0) close(stdin_);
    stdin_ = -1;
  }
  // Waits (bounded) for the program to end; true when it has.
  bool Reap() {
    for (const auto deadline = Clock::now() + kLimit; pid_ > 0; usleep(5000)) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        exit_status_ = status;
      }
      if (pid_ > 0 && Clock::now() >= deadline) return false;
    }
    return true;
  }
  int exit_status() const { return exit_status_; }

 private:
  pid_t pid_ = -1;
  int stdin_ = -1;
  int stdout_ = -1;
  int exit_status_ = -1;
};

TEST(R8emu, AnswersTheStatusQueryOnItsPseudoTerminal) {
  R8emuProcess emu("R8A");
  ASSERT_TRUE(emu.started());
  const std::string first = ReadUntil(emu.stdout_fd(), 0);
  ASSERT_NE(first.find('\n'), std::string::npos) << "no device path printed";
  const std::string path = first.substr(0, first.find('\n'));
  ASSERT_EQ(path.rfind("/dev/", 0), 0u) << path;

  const int fd = open(path.c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0) << path;
  termios t{};
  ASSERT_EQ(tcgetattr(fd, &t), 0);
  cfmakeraw(&t);
  cfsetispeed(&t, B9600);
  cfsetospeed(&t, B9600);
  ASSERT_EQ(tcsetattr(fd, TCSANOW, &t), 0);

  ASSERT_EQ(write(fd, "RA\r", 3), 3);
  const std::string reply = ReadUntil(fd, 37);
  ASSERT_EQ(reply.size(), 37u) << reply;
  EXPECT_EQ(reply.substr(35), "\r\n");
  EXPECT_EQ(reply.substr(11, 9), "  5975.00");
  EXPECT_EQ(reply.substr(21, 3), "KHz");
  // A second exchange on the same line, to show the first left nothing behind.
  ASSERT_EQ(write(fd, "ID\r", 3), 3);
  EXPECT_EQ(ReadUntil(fd, 5), "R8A\r\n");
  close(fd);
  // The front panel's "status": the line the receiver would send now, and the faults so far.
  ASSERT_EQ(write(emu.stdin_fd(), "status\n", 7), 7);
  const std::string status = ReadUntil(emu.stdout_fd(), 0);
  EXPECT_EQ(status.substr(0, 24), reply.substr(0, 24));
  EXPECT_NE(status.find(" faults=0\n"), std::string::npos) << status;

  emu.CloseInput();
  ASSERT_TRUE(emu.Reap()) << "r8emu did not stop when its input closed";
  EXPECT_TRUE(WIFEXITED(emu.exit_status()));
  EXPECT_EQ(WEXITSTATUS(emu.exit_status()), 0);
}

}  // namespace
