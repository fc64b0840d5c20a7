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

FileTime FromStatx(const struct statx_timestamp& ts) {
  return FileTimeFromUnix(ts.tv_sec, ts.tv_nsec);
}

constexpr unsigned kStatxFields = STATX_BASIC_STATS | STATX_BTIME;

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
  return HostEntryInfo(AT_FDCWD, hostPath.c_str(), hostPath, std::nullopt);
}

Result<FileInfo> HostEntryInfo(int directoryFd, const char* name, const std::string& hostPath,
                               std::optional<bool> directoryReadOnly) {
  struct statx lst;
  if (statx(directoryFd, name, AT_SYMLINK_NOFOLLOW, kStatxFields, &lst) != 0)
    return HostError(hostPath, errno);
  FileInfo info;
  info.isSymlink = S_ISLNK(lst.stx_mode);
  struct statx st = lst;
  const bool followed = !info.isSymlink || statx(directoryFd, name, 0, kStatxFields, &st) == 0;
  if (!followed) st = lst;  // a dangling link stands for itself

  const bool isDir = S_ISDIR(st.stx_mode);
  std::uint32_t attributes = 0;
  if (isDir) attributes |= kAttrDirectory;
  if ((st.stx_mode & S_IWUSR) == 0) attributes |= kAttrReadOnly;

  const auto stored = followed ? StoredBits(hostPath) : std::nullopt;
  if (stored) {
    attributes |= *stored;
  } else if (!isDir) {
    attributes |= kAttrArchive;  // files count as changed until the bit is cleared
  }
  const std::string_view base = HostBaseName(hostPath);
  if (!base.empty() && base.front() == '.' && base != "." && base != "..")
    attributes |= kAttrHidden;
  // An entry that is neither a link nor a mount of its own lies on its
  // directory's mount: the directory's answer holds for it.
  const bool ownMount = info.isSymlink || !(lst.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) ||
                        (lst.stx_attributes & STATX_ATTR_MOUNT_ROOT);
  const bool readOnly =
      (directoryReadOnly && !ownMount) ? *directoryReadOnly : OnReadOnlyMount(hostPath);
  if (readOnly) attributes |= kAttrInRom;
  if (attributes == 0) attributes = kAttrNormal;
  info.attributes = attributes;

  info.size = isDir ? 0 : static_cast<std::uint64_t>(st.stx_size);
  info.lastWriteTime = FromStatx(st.stx_mtime);
  info.lastAccessTime = FromStatx(st.stx_atime);
  // The birth time when the file system records one (of the link's target).
  info.creationTime =
      (followed && (st.stx_mask & STATX_BTIME)) ? FromStatx(st.stx_btime) : info.lastWriteTime;
  return info;
}

}  // namespace tessera::platform::detail
