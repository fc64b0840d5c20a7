#include "platform/move.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "platform/device.h"
#include "platform/host_fs.h"

namespace tessera::platform {

namespace {

// rename that refuses to replace; where the file system cannot refuse
// atomically, a check just before is the best there is.
int RenameNoReplace(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
  struct stat st;
  if (lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return -1;
  }
  return rename(from.c_str(), to.c_str());
}

}  // namespace

Status MoveEntry(std::u16string_view source, std::u16string_view destination) {
  auto from = HostPath(source);
  if (!from) return from.status();
  auto to = HostPath(destination);
  if (!to) return to.status();
  struct stat st;
  if (lstat(from->c_str(), &st) != 0) return detail::HostError(*from, errno);
  // Names are matched without regard to case, so a new name differing only
  // in case reaches the source itself: it is taken, like any other name.
  if (*from == *to) return ErrorCode::AlreadyExists;
  if (RenameNoReplace(*from, *to) != 0) {
    if (errno == EEXIST || errno == ENOTEMPTY) return ErrorCode::AlreadyExists;
    return detail::HostError(*to, errno);
  }
  return Status::Ok();
}

}  // namespace tessera::platform
