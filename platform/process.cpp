#include "platform/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include "platform/device.h"
#include "platform/text.h"

extern char** environ;

namespace tessera::platform {

namespace {

bool IsBlankChar(char16_t c) { return c == u' ' || c == u'\t'; }

// The environment of the child: the shell's own with the request's names
// added or replaced.
std::vector<std::string> ChildEnvironment(
    const std::vector<std::pair<std::string, std::string>>& extra) {
  std::vector<std::string> out;
  for (char** entry = environ; entry && *entry; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    bool replaced = false;
    for (const auto& [key, value] : extra) replaced = replaced || key == name;
    if (!replaced) out.push_back(text);
  }
  for (const auto& [key, value] : extra) out.push_back(key + "=" + value);
  return out;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> out;
  for (auto& text : texts) out.push_back(text.data());
  out.push_back(nullptr);
  return out;
}

// Closes every descriptor above 2 in the child (those that lack
// close-on-exec included), so nothing of the shell leaks into it.
void AddCloseAll(posix_spawn_file_actions_t& actions) {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#else
  (void)actions;
#endif
}

}  // namespace

std::vector<std::u16string> SplitCommandLine(std::u16string_view line) {
  std::vector<std::u16string> args;
  std::size_t i = 0;
  for (;;) {
    while (i < line.size() && IsBlankChar(line[i])) ++i;
    if (i >= line.size()) break;
    std::u16string arg;
    bool quoted = false;
    while (i < line.size() && (quoted || !IsBlankChar(line[i]))) {
      std::size_t backslashes = 0;
      while (i < line.size() && line[i] == u'\\') {
        ++backslashes;
        ++i;
      }
      if (i < line.size() && line[i] == u'"') {
        arg.append(backslashes / 2, u'\\');
        if (backslashes % 2 == 1) {
          arg += u'"';
          ++i;
        } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
          arg += u'"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg.append(backslashes, u'\\');
        if (i < line.size() && (quoted || !IsBlankChar(line[i]))) arg += line[i++];
      }
    }
    args.push_back(std::move(arg));
  }
  return args;
}

Process::Process(Process&& other) noexcept
    : pid_(other.pid_),
      collected_(other.collected_),
      terminatedByShell_(other.terminatedByShell_),
      exitCode_(other.exitCode_) {
  other.pid_ = -1;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    this->~Process();
    pid_ = other.pid_;
    collected_ = other.collected_;
    terminatedByShell_ = other.terminatedByShell_;
    exitCode_ = other.exitCode_;
    other.pid_ = -1;
  }
  return *this;
}

Process::~Process() {
  // Collect a program that has ended; one still running goes on by itself.
  if (pid_ > 0 && !collected_) waitpid(pid_, nullptr, WNOHANG);
}

Result<std::uint32_t> Process::ExitCode() {
  if (pid_ <= 0) return ErrorCode::InvalidHandle;
  if (collected_) return exitCode_;
  int status = 0;
  const pid_t done = waitpid(pid_, &status, WNOHANG);
  if (done == 0) return kStillActive;
  if (done < 0) return ErrorFromErrno(errno);
  collected_ = true;
  if (terminatedByShell_) {
    exitCode_ = kTerminatedExitCode;
  } else if (WIFEXITED(status)) {
    exitCode_ = static_cast<std::uint32_t>(WEXITSTATUS(status));
  } else {
    exitCode_ = 128u + static_cast<std::uint32_t>(WTERMSIG(status));
  }
  return exitCode_;
}

void Process::WaitForExit(int milliseconds) {
  if (pid_ <= 0 || collected_) return;
  const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
  if (pidfd < 0) {
    usleep(static_cast<useconds_t>(milliseconds) * 1000);
    return;
  }
  pollfd entry{pidfd, POLLIN, 0};
  poll(&entry, 1, milliseconds);
  close(pidfd);
}

Status Process::Terminate() {
  if (pid_ <= 0) return ErrorCode::InvalidHandle;
  if (collected_) return Status::Ok();
  terminatedByShell_ = true;
  // The program leads its own process group: what it started goes too.
  if (kill(-pid_, SIGKILL) != 0 && kill(pid_, SIGKILL) != 0 && errno != ESRCH)
    return ErrorFromErrno(errno);
  int status = 0;
  if (waitpid(pid_, &status, 0) == pid_) {
    collected_ = true;
    exitCode_ = kTerminatedExitCode;
  }
  return Status::Ok();
}

Result<Process> SpawnProgram(const SpawnRequest& request) {
  auto host = HostPath(request.program);
  if (!host) return host.error();
  struct stat info {};
  if (stat(host->c_str(), &info) != 0) return ErrorFromErrno(errno);
  if (S_ISDIR(info.st_mode)) return ErrorCode::AccessDenied;

  std::vector<std::string> argv = {*host};
  for (const auto& arg : SplitCommandLine(request.commandLine))
    argv.push_back(WideToHostBytes(arg));
  std::vector<std::string> env = ChildEnvironment(request.environment);
  std::vector<char*> argvPointers = Pointers(argv);
  std::vector<char*> envPointers = Pointers(env);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  AddCloseAll(actions);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // The child starts with default signal handling, whatever the shell set.
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGINT);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  // Its own process group: Ctrl+C on the terminal reaches the shell, which
  // asks whether to stop the program, instead of killing it outright.
  posix_spawnattr_setpgroup(&attributes, 0);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, host->c_str(), &actions, &attributes, argvPointers.data(),
                                envPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) return ErrorFromErrno(error);
  return Process(pid);
}

namespace {

// Runs argv[0] (looked up along the host's PATH unless it holds a '/') on
// its own: an intermediate child starts it and ends at once, so it never
// becomes the shell's zombie. Its streams are the host's null device.
Status RunDetached(std::vector<std::string> argv) {
  std::vector<char*> pointers = Pointers(argv);
  const pid_t middle = fork();
  if (middle < 0) return ErrorFromErrno(errno);
  if (middle == 0) {
    setsid();
    const pid_t started = fork();
    if (started == 0) {
      const int null = open("/dev/null", O_RDWR);
      if (null >= 0) {
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
      }
      execvp(pointers[0], pointers.data());
      _exit(127);
    }
    _exit(started < 0 ? 1 : 0);
  }
  int status = 0;
  waitpid(middle, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return ErrorCode::IoError;
  return Status::Ok();
}

}  // namespace

Status OpenDocument(std::u16string_view path, std::u16string_view parameters) {
  auto host = HostPath(path);
  if (!host) return host.status();
  const char* opener = std::getenv("TESSERA_OPEN");
  std::vector<std::string> argv = {opener && *opener ? opener : "xdg-open", *host};
  for (const auto& arg : SplitCommandLine(parameters)) argv.push_back(WideToHostBytes(arg));
  return RunDetached(std::move(argv));
}

Status StartDetachedProgram(std::u16string_view program, std::u16string_view commandLine) {
  auto host = HostPath(program);
  if (!host) return host.status();
  struct stat info {};
  if (stat(host->c_str(), &info) != 0) return ErrorFromErrno(errno);
  if (S_ISDIR(info.st_mode) || access(host->c_str(), X_OK) != 0) return ErrorCode::AccessDenied;
  // A path of its own, so that the host's PATH is never searched.
  std::vector<std::string> argv = {host->find('/') == std::string::npos ? "./" + *host : *host};
  for (const auto& arg : SplitCommandLine(commandLine)) argv.push_back(WideToHostBytes(arg));
  return RunDetached(std::move(argv));
}

Status ReopenStandardStream(StandardStream stream, std::u16string_view path, StreamMode mode) {
  auto host = HostPath(path);
  if (!host) return host.status();
  int flags = O_CLOEXEC;
  switch (mode) {
    case StreamMode::Read:
      flags |= O_RDONLY;
      break;
    case StreamMode::Write:
      flags |= O_WRONLY | O_CREAT | O_TRUNC;
      break;
    case StreamMode::Append:
      flags |= O_RDWR | O_CREAT | O_APPEND;
      break;
  }
  const int fd = open(host->c_str(), flags, 0666);
  if (fd < 0) return ErrorFromErrno(errno);
  const int target = static_cast<int>(stream);
  const int result = dup2(fd, target);  // dup2 clears close-on-exec on the target
  const int saved = errno;
  close(fd);
  if (result < 0) return ErrorFromErrno(saved);
  return Status::Ok();
}

Status DetachStandardStream(StandardStream stream) {
  const int fd = open("/dev/null", O_RDWR | O_CLOEXEC);
  if (fd < 0) return ErrorFromErrno(errno);
  const int result = dup2(fd, static_cast<int>(stream));
  const int saved = errno;
  close(fd);
  return result < 0 ? ErrorFromErrno(saved) : Status::Ok();
}

Result<std::u16string> CreateUniqueTempFile(std::u16string_view directory,
                                            std::u16string_view prefix) {
  std::u16string base(directory);
  while (!base.empty() && base.back() == u'\\') base.pop_back();
  const std::u16string start(prefix.substr(0, 3));
  static std::mt19937 random(std::random_device{}());
  for (int attempt = 0; attempt < 100; ++attempt) {
    char number[8];
    std::snprintf(number, sizeof number, "%04X", static_cast<unsigned>(random() & 0xFFFF));
    const std::u16string path = base + u"\\" + start + Utf8ToUtf16(number) + u".tmp";
    auto host = HostPath(path);
    if (!host) return host.error();
    const int fd = open(host->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      close(fd);
      return path;
    }
    if (errno != EEXIST) return ErrorFromErrno(errno);
  }
  return ErrorCode::FileExists;
}

std::uint32_t CurrentProcessId() { return static_cast<std::uint32_t>(getpid()); }

}  // namespace tessera::platform
