#include "platform/terminal.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

#include "platform/termination.h"

namespace tessera::platform {

namespace {

volatile sig_atomic_t g_interrupted = 0;

void OnInterrupt(int) { g_interrupted = 1; }

}  // namespace

Result<TerminalDescriptors> MoveTerminalDescriptors() {
  TerminalDescriptors moved;
  int* targets[] = {&moved.input, &moved.output, &moved.error};
  for (int fd = 0; fd < 3; ++fd) {
    const int copy = fcntl(fd, F_DUPFD_CLOEXEC, 10);
    if (copy < 0) {
      // A stream that was never open stays unavailable.
      if (errno == EBADF) continue;
      return ErrorFromErrno(errno);
    }
    *targets[fd] = copy;
  }
  return moved;
}

bool IsTerminal(int fd) { return fd >= 0 && isatty(fd) == 1; }

int TerminalColumns(int fd) {
  winsize size{};
  if (ioctl(fd, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return 80;
  return size.ws_col;
}

bool WriteAll(int fd, std::string_view bytes) {
  if (fd < 0) return false;
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::optional<std::string> ReadLine(int fd) {
  if (fd < 0) return std::nullopt;
  std::string line;
  char c;
  for (;;) {
    const ssize_t n = read(fd, &c, 1);
    if (n < 0 && errno == EINTR) {
      // A line cut short by the end of the session is never run.
      if (TerminationSignal() != 0) return std::nullopt;
      continue;
    }
    if (n <= 0) {
      if (line.empty()) return std::nullopt;
      return line;
    }
    if (c == '\n') return line;
    line += c;
  }
}

std::optional<std::string> ReadSome(int fd) {
  if (fd < 0) return std::nullopt;
  char buffer[64];
  const ssize_t n = read(fd, buffer, sizeof buffer);
  if (n < 0 && errno == EINTR) return std::string();
  if (n <= 0) return std::nullopt;
  return std::string(buffer, static_cast<std::size_t>(n));
}

struct RawMode::Saved {
  termios attributes;
};

RawMode::RawMode(int fd) : fd_(fd) {
  if (!IsTerminal(fd)) return;
  saved_ = new Saved;
  if (tcgetattr(fd, &saved_->attributes) != 0) return;
  termios raw = saved_->attributes;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
  raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  // ISIG stays on so that Ctrl+C still arrives as an interrupt. Keys typed
  // ahead of the prompt stay in the input (no flush).
  active_ = tcsetattr(fd, TCSADRAIN, &raw) == 0;
}

RawMode::~RawMode() {
  if (active_) tcsetattr(fd_, TCSADRAIN, &saved_->attributes);
  delete saved_;
}

void InstallInterruptHandler() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no SA_RESTART: a waiting read returns to look at the flag
  sigaction(SIGINT, &action, nullptr);
}

bool TakeInterrupt() {
  if (!g_interrupted) return false;
  g_interrupted = 0;
  return true;
}

int OpenControllingTerminal() { return open("/dev/tty", O_RDWR | O_CLOEXEC | O_NOCTTY); }

std::uint64_t CoarseMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * 1000 +
         static_cast<std::uint64_t>(now.tv_nsec) / 1000000;
}

}  // namespace tessera::platform
