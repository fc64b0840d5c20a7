#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>

#include "platform/device.h"
#include "platform/host_fs.h"

namespace tessera::platform {

namespace {

using detail::HostError;
using detail::kAttribXattr;
using detail::kStoredBits;
using detail::OnReadOnlyMount;

// The host file behind a device entry that is about to be changed: read-only
// entries refuse, whoever the process runs as.
Status CheckWritable(const std::string& hostPath, bool followLinks) {
  struct stat st;
  const int rc = followLinks ? stat(hostPath.c_str(), &st) : lstat(hostPath.c_str(), &st);
  if (rc != 0) return HostError(hostPath, errno);
  if (!S_ISLNK(st.st_mode) && (st.st_mode & S_IWUSR) == 0) return ErrorCode::AccessDenied;
  return Status::Ok();
}

Status WriteStoredBits(const std::string& hostPath, std::uint32_t bits) {
  const std::string text = std::to_string(bits);
  if (setxattr(hostPath.c_str(), kAttribXattr, text.data(), text.size(), 0) != 0) {
    return errno == ENOTSUP ? Status(ErrorCode::NotSupported) : Status(ErrorFromErrno(errno));
  }
  return Status::Ok();
}

int OpenFlags(OpenMode mode) {
  switch (mode) {
    case OpenMode::Read:
      return O_RDONLY;
    case OpenMode::ReadWrite:
      return O_RDWR;
    case OpenMode::CreateAlways:
      return O_WRONLY | O_CREAT | O_TRUNC;
    case OpenMode::OpenOrCreate:
      return O_WRONLY | O_CREAT;
    case OpenMode::Append:
      return O_WRONLY | O_CREAT | O_APPEND;
    case OpenMode::CreateNew:
      return O_WRONLY | O_CREAT | O_EXCL;
  }
  return O_RDONLY;
}

}  // namespace

Result<FileInfo> GetFileInfo(std::u16string_view path) {
  auto host = HostPath(path);
  if (!host) return host.error();
  return detail::HostFileInfo(*host);
}

Result<std::uint32_t> GetFileAttributes(std::u16string_view path) {
  auto info = GetFileInfo(path);
  if (!info) return info.error();
  return info->attributes;
}

// Asked often (the current directory, the resting files): one look at the
// entry instead of all it can tell.
bool PathExists(std::u16string_view path) {
  auto host = HostPath(path);
  struct stat st;
  return host && lstat(host->c_str(), &st) == 0;
}

bool IsDirectory(std::u16string_view path) {
  auto host = HostPath(path);
  struct stat st;
  return host && stat(host->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Status SetFileAttributes(std::u16string_view path, std::uint32_t attributes) {
  auto host = HostPath(path);
  if (!host) return host.status();
  struct stat st;
  if (stat(host->c_str(), &st) != 0) return HostError(*host, errno);
  if (OnReadOnlyMount(*host)) return ErrorCode::AccessDenied;

  const bool isDir = S_ISDIR(st.st_mode);
  const std::string_view name = detail::HostBaseName(*host);
  const bool dotName = !name.empty() && name.front() == '.';
  const std::uint32_t wanted = attributes & kStoredBits;
  // Without a record a file reads as archived and a dot-name as hidden;
  // a record is only made when that reading is not what is wanted.
  const std::uint32_t unrecorded = isDir ? 0u : std::uint32_t{kAttrArchive};
  const std::uint32_t wantedBeyondName = dotName ? (wanted & ~std::uint32_t{kAttrHidden}) : wanted;
  const bool hasRecord = getxattr(host->c_str(), kAttribXattr, nullptr, 0) >= 0;
  const bool writeRecord = hasRecord || wantedBeyondName != unrecorded;

  const mode_t current = st.st_mode & 07777;
  const mode_t finalMode = (attributes & kAttrReadOnly)
                               ? (current & ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH))
                               : (current | S_IWUSR);
  mode_t mode = current;
  if (writeRecord) {
    // The record of a read-only file can only be written while it is writable.
    const bool unlock = (current & S_IWUSR) == 0;
    if (unlock) {
      if (chmod(host->c_str(), current | S_IWUSR) != 0) return ErrorFromErrno(errno);
      mode = current | S_IWUSR;
    }
    if (Status stored = WriteStoredBits(*host, wanted); !stored) {
      if (unlock) chmod(host->c_str(), current);
      return stored;
    }
  }
  if (finalMode != mode && chmod(host->c_str(), finalMode) != 0) return ErrorFromErrno(errno);
  return Status::Ok();
}

Result<std::vector<std::uint8_t>> ReadWholeFile(std::u16string_view path) {
  auto file = File::Open(path, OpenMode::Read);
  if (!file) return file.error();
  std::vector<std::uint8_t> bytes;
  if (auto size = file->Size(); size && *size > 0 && *size < (std::uint64_t{1} << 31)) {
    bytes.reserve(static_cast<std::size_t>(*size));
  }
  std::uint8_t buffer[65536];
  while (true) {
    auto n = file->Read(buffer, sizeof buffer);
    if (!n) return n.error();
    if (*n == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + *n);
  }
  return bytes;
}

File::File(File&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

File& File::operator=(File&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) close(fd_);
    fd_ = other.fd_;
    other.fd_ = -1;
  }
  return *this;
}

File::~File() {
  if (fd_ >= 0) close(fd_);
}

Result<File> File::Open(std::u16string_view path, OpenMode mode) {
  auto host = HostPath(path);
  if (!host) return host.error();
  const int flags = OpenFlags(mode);
  if (mode != OpenMode::Read && mode != OpenMode::CreateNew) {
    // A read-only file stays unchanged even for a process the host would let through.
    struct stat st;
    if (stat(host->c_str(), &st) == 0 && !S_ISDIR(st.st_mode) && (st.st_mode & S_IWUSR) == 0) {
      return ErrorCode::AccessDenied;
    }
  }
  const int fd = open(host->c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (errno == EEXIST) return ErrorCode::FileExists;
    return HostError(*host, errno);
  }
  struct stat st;
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    close(fd);
    return ErrorCode::IsADirectory;
  }
  return File(fd);
}

Result<std::size_t> File::Read(void* buffer, std::size_t size) {
  if (fd_ < 0) return ErrorCode::InvalidHandle;
  if (size > SSIZE_MAX) size = SSIZE_MAX;
  while (true) {
    const ssize_t n = read(fd_, buffer, size);
    if (n >= 0) return static_cast<std::size_t>(n);
    if (errno != EINTR) return ErrorFromErrno(errno);
  }
}

Status File::Write(const void* data, std::size_t size) {
  if (fd_ < 0) return ErrorCode::InvalidHandle;
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  while (size > 0) {
    const ssize_t n = write(fd_, bytes, size > SSIZE_MAX ? SSIZE_MAX : size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ErrorFromErrno(errno);
    }
    if (n == 0) return ErrorCode::IoError;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return Status::Ok();
}

Result<std::uint64_t> File::Size() const {
  if (fd_ < 0) return ErrorCode::InvalidHandle;
  struct stat st;
  if (fstat(fd_, &st) != 0) return ErrorFromErrno(errno);
  return static_cast<std::uint64_t>(st.st_size);
}

Status File::SeekTo(std::uint64_t offset) {
  if (fd_ < 0) return ErrorCode::InvalidHandle;
  if (lseek(fd_, static_cast<off_t>(offset), SEEK_SET) < 0) return ErrorFromErrno(errno);
  return Status::Ok();
}

Status File::Close() {
  if (fd_ < 0) return ErrorCode::InvalidHandle;
  const int rc = close(fd_);
  fd_ = -1;
  // The descriptor is gone either way; a failure here can mean lost data.
  if (rc != 0 && errno != EINTR) return ErrorFromErrno(errno);
  return Status::Ok();
}

Status CreateDirectory(std::u16string_view path) {
  auto host = HostPath(path);
  if (!host) return host.status();
  if (mkdir(host->c_str(), 0777) == 0) return Status::Ok();
  if (errno == EEXIST) return ErrorCode::AlreadyExists;
  if (errno == ENOENT) return ErrorCode::PathNotFound;
  return ErrorFromErrno(errno);
}

Status DeleteFile(std::u16string_view path) {
  auto host = HostPath(path);
  if (!host) return host.status();
  struct stat st;
  if (lstat(host->c_str(), &st) != 0) return HostError(*host, errno);
  if (S_ISDIR(st.st_mode)) return ErrorCode::IsADirectory;
  if (Status writable = CheckWritable(*host, false); !writable) return writable;
  if (unlink(host->c_str()) != 0) return HostError(*host, errno);
  return Status::Ok();
}

Status RemoveDirectory(std::u16string_view path) {
  auto host = HostPath(path);
  if (!host) return host.status();
  struct stat st;
  if (lstat(host->c_str(), &st) != 0) return HostError(*host, errno);
  if (!S_ISDIR(st.st_mode)) return ErrorCode::NotADirectory;
  if (Status writable = CheckWritable(*host, false); !writable) return writable;
  if (rmdir(host->c_str()) != 0) {
    if (errno == ENOTEMPTY || errno == EEXIST) return ErrorCode::DirNotEmpty;
    return HostError(*host, errno);
  }
  return Status::Ok();
}

}  // namespace tessera::platform
