#include "platform/copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/device.h"
#include "platform/files.h"
#include "platform/host_fs.h"

namespace tessera::platform {

namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;
constexpr std::int64_t kUnixEpochInFileTime = 11644473600;

struct timespec ToTimespec(FileTime time) {
  struct timespec ts;
  ts.tv_sec =
      static_cast<time_t>(static_cast<std::int64_t>(time / kTicksPerSecond) - kUnixEpochInFileTime);
  ts.tv_nsec = static_cast<long>((time % kTicksPerSecond) * 100);
  return ts;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) close(fd_);
  }
  int get() const { return fd_; }
  // Closes now; false when the close reports lost data.
  bool Close() {
    const int rc = close(fd_);
    fd_ = -1;
    return rc == 0 || errno == EINTR;
  }

 private:
  int fd_;
};

// Moves all bytes from `in` to `out`: in the kernel where the file systems
// allow it, else through a buffer. Gives 0 or the errno that stopped it.
int CopyBytes(int in, int out) {
  bool kernelCopy = true;
  while (kernelCopy) {
    const ssize_t n = copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
    if (n == 0) return 0;
    if (n > 0) continue;
    if (errno == EINTR) continue;
    if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) return errno;
    kernelCopy = false;  // nothing was moved by the failed call; go on by hand
  }
  std::vector<char> buffer(1 << 20);
  while (true) {
    const ssize_t n = read(in, buffer.data(), buffer.size());
    if (n == 0) return 0;
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    const char* at = buffer.data();
    std::size_t left = static_cast<std::size_t>(n);
    while (left > 0) {
      const ssize_t w = write(out, at, left);
      if (w < 0) {
        if (errno == EINTR) continue;
        return errno;
      }
      if (w == 0) return EIO;
      at += w;
      left -= static_cast<std::size_t>(w);
    }
  }
}

}  // namespace

Status CopyFileReplacing(std::u16string_view source, std::u16string_view destination) {
  auto hostSource = HostPath(source);
  if (!hostSource) return hostSource.status();
  auto hostDestination = HostPath(destination);
  if (!hostDestination) return hostDestination.status();
  auto info = detail::HostFileInfo(*hostSource);
  if (!info) return info.status();
  if (info->attributes & kAttrDirectory) return ErrorCode::IsADirectory;

  struct stat sourceStat;
  if (stat(hostSource->c_str(), &sourceStat) != 0) return detail::HostError(*hostSource, errno);
  struct stat destinationStat;
  const bool existed = stat(hostDestination->c_str(), &destinationStat) == 0;
  if (existed) {
    if (S_ISDIR(destinationStat.st_mode)) return ErrorCode::IsADirectory;
    if (destinationStat.st_dev == sourceStat.st_dev &&
        destinationStat.st_ino == sourceStat.st_ino) {
      return ErrorCode::SharingViolation;
    }
    if ((destinationStat.st_mode & S_IWUSR) == 0) return ErrorCode::AccessDenied;
  }

  Descriptor in(open(hostSource->c_str(), O_RDONLY | O_CLOEXEC));
  if (in.get() < 0) return detail::HostError(*hostSource, errno);
  Descriptor out(open(hostDestination->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (out.get() < 0) return detail::HostError(*hostDestination, errno);

  int err = CopyBytes(in.get(), out.get());
  if (err == 0) {
    const struct timespec times[2] = {{0, UTIME_OMIT}, ToTimespec(info->lastWriteTime)};
    futimens(out.get(), times);  // a copy with the copy's own time is still a good copy
  }
  if (!out.Close() && err == 0) err = errno != 0 ? errno : EIO;
  if (err != 0) {
    if (!existed) unlink(hostDestination->c_str());
    return ErrorFromErrno(err);
  }
  // The copy carries the source's attributes, read-only included; a file
  // system without attribute records still holds a good copy.
  const Status attributes = SetFileAttributes(destination, info->attributes);
  if (!attributes && attributes.error() != ErrorCode::NotSupported) return attributes;
  return Status::Ok();
}

bool IsSameFile(std::u16string_view first, std::u16string_view second) {
  auto a = HostPath(first);
  auto b = HostPath(second);
  if (!a || !b) return false;
  struct stat sa;
  struct stat sb;
  if (stat(a->c_str(), &sa) != 0 || stat(b->c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

Status SetLastWriteTime(std::u16string_view path, FileTime time) {
  auto host = HostPath(path);
  if (!host) return host.status();
  const struct timespec times[2] = {{0, UTIME_OMIT}, ToTimespec(time)};
  if (utimensat(AT_FDCWD, host->c_str(), times, 0) != 0) return detail::HostError(*host, errno);
  return Status::Ok();
}

}  // namespace tessera::platform
