#include "platform/single_instance.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/device.h"

namespace tessera::platform {

namespace {

constexpr std::string_view kRequest = "RAISE\n";
constexpr std::string_view kAnswer = "OK\n";
// How long either side waits for the other's few bytes. A window busy with
// a command still looks at its events several times a second.
constexpr int kExchangeMilliseconds = 500;

// A folder only this user can enter: its own runtime folder, else one of
// its own in /tmp. None when neither can be trusted.
std::optional<std::string> PrivateFolder() {
  const uid_t user = getuid();
  auto trusted = [user](const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == user &&
           (info.st_mode & 077) == 0;
  };
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
      runtime && runtime[0] == '/' && trusted(runtime)) {
    return std::string(runtime);
  }
  const std::string own = "/tmp/tessera-" + std::to_string(user);
  if (mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!trusted(own)) return std::nullopt;
  return own;
}

std::optional<sockaddr_un> SocketAddress(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return std::nullopt;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

bool WaitReadable(int fd, int milliseconds) {
  pollfd entry{fd, POLLIN, 0};
  for (;;) {
    const int n = poll(&entry, 1, milliseconds);
    if (n < 0 && errno == EINTR) continue;
    return n > 0;
  }
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Reads what the other side sends, up to a line end or a few bytes.
std::string ReceiveLine(int fd) {
  std::string text;
  char buffer[16];
  while (text.size() < 32 && text.find('\n') == std::string::npos) {
    if (!WaitReadable(fd, kExchangeMilliseconds)) break;
    const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  return text;
}

// Asks the window listening at the address to come to the front.
bool Knock(const sockaddr_un& address) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  bool answered = false;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      SendAll(fd, kRequest)) {
    answered = ReceiveLine(fd) == kAnswer;
  }
  close(fd);
  return answered;
}

int Listen(const std::string& path, const sockaddr_un& address) {
  // Only the holder of the lock gets here: a socket file left by a window
  // that died is its to replace.
  unlink(path.c_str());
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return -1;
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(fd, 8) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

WindowInstance WindowInstance::Claim(int tries, int pauseMilliseconds) {
  WindowInstance instance;
  const auto folder = PrivateFolder();
  if (!folder) return instance;
  const std::string stem = *folder + "/tessera-" + DeviceRootTag();
  const auto address = SocketAddress(stem + ".sock");
  if (!address) return instance;
  instance.lock_ = open((stem + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (instance.lock_ < 0) return instance;
  for (int attempt = 0; attempt < tries; ++attempt) {
    if (attempt > 0) usleep(static_cast<useconds_t>(pauseMilliseconds) * 1000);
    if (flock(instance.lock_, LOCK_EX | LOCK_NB) == 0) {
      instance.listen_ = Listen(stem + ".sock", *address);
      if (instance.listen_ >= 0) {
        instance.socketPath_ = stem + ".sock";
        instance.outcome_ = Outcome::First;
      } else {
        instance.Release();
      }
      return instance;
    }
    // The holder may still be starting and not listening yet: try again.
    if (Knock(*address)) {
      instance.Release();
      instance.outcome_ = Outcome::HandedOver;
      return instance;
    }
  }
  instance.Release();
  return instance;
}

WindowInstance::WindowInstance(WindowInstance&& other) noexcept
    : outcome_(other.outcome_),
      lock_(other.lock_),
      listen_(other.listen_),
      socketPath_(std::move(other.socketPath_)) {
  other.lock_ = other.listen_ = -1;
  other.socketPath_.clear();
}

WindowInstance& WindowInstance::operator=(WindowInstance&& other) noexcept {
  if (this != &other) {
    Release();
    outcome_ = other.outcome_;
    lock_ = other.lock_;
    listen_ = other.listen_;
    socketPath_ = std::move(other.socketPath_);
    other.lock_ = other.listen_ = -1;
    other.socketPath_.clear();
  }
  return *this;
}

WindowInstance::~WindowInstance() { Release(); }

void WindowInstance::Release() {
  if (listen_ >= 0) {
    // Removed while the lock is still held, so no newer window's socket goes.
    unlink(socketPath_.c_str());
    close(listen_);
    listen_ = -1;
  }
  socketPath_.clear();
  if (lock_ >= 0) {
    close(lock_);
    lock_ = -1;
  }
}

bool WindowInstance::TakeRequest() {
  if (listen_ < 0) return false;
  const int fd = accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return false;
  const bool asked = ReceiveLine(fd) == kRequest && SendAll(fd, kAnswer);
  close(fd);
  return asked;
}

}  // namespace tessera::platform
