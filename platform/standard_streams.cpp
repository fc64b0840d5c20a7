#include "platform/standard_streams.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace tessera::platform {

Result<std::string> ReadStandardInput() {
  std::string data;
  char buffer[65536];
  while (true) {
    const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
    if (n > 0) {
      data.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0) {
      return data;
    } else if (errno != EINTR) {
      return ErrorFromErrno(errno);
    }
  }
}

std::string ReadStandardInputLine(std::size_t maxBytes) {
  // Byte by byte, so that nothing after the line is taken from the input.
  std::string line;
  while (line.size() < maxBytes) {
    char c = 0;
    const ssize_t n = read(STDIN_FILENO, &c, 1);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0 || c == '\n') break;
    line += c;
  }
  return line;
}

namespace {

Status WriteAllTo(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno(errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return Status::Ok();
}

}  // namespace

Status WriteStandardOutput(std::string_view bytes) { return WriteAllTo(STDOUT_FILENO, bytes); }

Status WriteStandardError(std::string_view bytes) { return WriteAllTo(STDERR_FILENO, bytes); }

long ParentProcessId() { return static_cast<long>(getppid()); }

std::optional<std::string> EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return std::string(value);
}

}  // namespace tessera::platform
