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

}  // namespace

Result<std::string> RegistryDatabasePath() {
  const std::string folder = DeviceStateHostPath();
  if (folder.empty()) return ErrorCode::PathNotFound;  // no device set up yet
  return folder + "/registry.db";
}

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
  return *opened;
}

}  // namespace tessera::platform
