#include "platform/host_fs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>

#include <cerrno>
#include <charconv>
#include <optional>

#include "platform/filetime.h"

namespace tessera::platform::detail {

namespace {

FileTime FromTimespec(const struct timespec& ts) { return FileTimeFromUnix(ts.tv_sec, ts.tv_nsec); }

// The stored hidden/system/archive bits, or nothing when the entry carries
// no (readable) attribute record.
std::optional<std::uint32_t> StoredBits(const std::string& hostPath) {
  char buffer[32];
  const ssize_t n = getxattr(hostPath.c_str(), kAttribXattr, buffer, sizeof buffer);
  if (n <= 0) return std::nullopt;
  std::uint32_t value = 0;
  const auto [end, ec] = std::from_chars(buffer, buffer + n, value);
  if (ec != std::errc() || end != buffer + n) return std::nullopt;
  return value & kStoredBits;
}

// Birth time when the file system records one.
std::optional<FileTime> BirthTime(const std::string& hostPath) {
  struct statx sx;
  if (statx(AT_FDCWD, hostPath.c_str(), 0, STATX_BTIME, &sx) != 0) return std::nullopt;
  if ((sx.stx_mask & STATX_BTIME) == 0) return std::nullopt;
  return FileTimeFromUnix(sx.stx_btime.tv_sec, sx.stx_btime.tv_nsec);
}

}  // namespace

std::string JoinHost(std::string_view dir, std::string_view name) {
  std::string out(dir);
  if (out.empty() || out.back() != '/') out += '/';
  out += name;
  return out;
}

std::string_view HostBaseName(std::string_view hostPath) {
  const auto slash = hostPath.rfind('/');
  return slash == std::string_view::npos ? hostPath : hostPath.substr(slash + 1);
}

std::string HostDirName(std::string_view hostPath) {
  const auto slash = hostPath.rfind('/');
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return "/";
  return std::string(hostPath.substr(0, slash));
}

bool OnReadOnlyMount(const std::string& hostPath) {
  struct statvfs vfs;
  return statvfs(hostPath.c_str(), &vfs) == 0 && (vfs.f_flag & ST_RDONLY) != 0;
}

ErrorCode MissingEntryError(const std::string& hostPath) {
  struct stat st;
  const std::string parent = HostDirName(hostPath);
  if (stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return ErrorCode::FileNotFound;
  return ErrorCode::PathNotFound;
}

ErrorCode HostError(const std::string& hostPath, int err) {
  if (err == ENOENT) return MissingEntryError(hostPath);
  return ErrorFromErrno(err);
}

Result<FileInfo> HostFileInfo(const std::string& hostPath) {
  struct stat lst;
  if (lstat(hostPath.c_str(), &lst) != 0) return HostError(hostPath, errno);
  FileInfo info;
  info.isSymlink = S_ISLNK(lst.st_mode);
  struct stat st = lst;
  const bool followed = !info.isSymlink || stat(hostPath.c_str(), &st) == 0;
  if (!followed) st = lst;  // a dangling link stands for itself

  const bool isDir = S_ISDIR(st.st_mode);
  std::uint32_t attributes = 0;
  if (isDir) attributes |= kAttrDirectory;
  if ((st.st_mode & S_IWUSR) == 0) attributes |= kAttrReadOnly;

  const auto stored = followed ? StoredBits(hostPath) : std::nullopt;
  if (stored) {
    attributes |= *stored;
  } else if (!isDir) {
    attributes |= kAttrArchive;  // files count as changed until the bit is cleared
  }
  const std::string_view name = HostBaseName(hostPath);
  if (!name.empty() && name.front() == '.' && name != "." && name != "..")
    attributes |= kAttrHidden;
  if (OnReadOnlyMount(hostPath)) attributes |= kAttrInRom;
  if (attributes == 0) attributes = kAttrNormal;
  info.attributes = attributes;

  info.size = isDir ? 0 : static_cast<std::uint64_t>(st.st_size);
  info.lastWriteTime = FromTimespec(st.st_mtim);
  info.lastAccessTime = FromTimespec(st.st_atim);
  const auto birth = followed ? BirthTime(hostPath) : std::nullopt;
  info.creationTime = birth ? *birth : info.lastWriteTime;
  return info;
}

}  // namespace tessera::platform::detail
