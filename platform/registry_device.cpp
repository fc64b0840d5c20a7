#include <sys/stat.h>

#include <cerrno>
#include <optional>

#include "platform/device.h"
#include "platform/files.h"
#include "platform/registry.h"

namespace tessera::platform {

namespace {

// The open device registry and the file it was opened on, so that a new
// device root, or a database file replaced underneath, is noticed.
struct OpenDeviceRegistry {
  std::string hostPath;
  dev_t device = 0;
  ino_t inode = 0;
  std::optional<Registry> registry;
};

bool SameFile(const OpenDeviceRegistry& open, const std::string& hostPath) {
  struct stat info {};
  return open.registry && open.hostPath == hostPath && ::stat(hostPath.c_str(), &info) == 0 &&
         info.st_dev == open.device && info.st_ino == open.inode;
}

constexpr std::u16string_view kRegistryFile = u"\\Windows\\registry.db";

// The database and its journal files are the system's own: hidden from
// listings, marked as system files.
void MarkAsSystemFiles() {
  for (const std::u16string_view suffix : {u"", u"-wal", u"-shm"}) {
    const std::u16string path = std::u16string(kRegistryFile) + std::u16string(suffix);
    if (PathExists(path)) (void)SetFileAttributes(path, kAttrHidden | kAttrSystem | kAttrArchive);
  }
}

}  // namespace

Result<std::string> RegistryDatabasePath() { return HostPath(kRegistryFile); }

Result<Registry> DeviceRegistry() {
  static OpenDeviceRegistry open;
  Result<std::string> hostPath = RegistryDatabasePath();
  if (!hostPath) return hostPath.error();
  if (SameFile(open, *hostPath)) return *open.registry;
  open.registry.reset();
  Result<Registry> opened = OpenRegistryAt(*hostPath);
  if (!opened) return opened.error();
  struct stat info {};
  if (::stat(hostPath->c_str(), &info) != 0) return ErrorFromErrno(errno);
  open = OpenDeviceRegistry{*hostPath, info.st_dev, info.st_ino, *opened};
  MarkAsSystemFiles();
  return *opened;
}

}  // namespace tessera::platform
