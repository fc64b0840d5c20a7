#include "platform/result.h"

#include <cerrno>

namespace tessera::platform {

ErrorCode ErrorFromErrno(int err) {
  switch (err) {
    case 0:
      return ErrorCode::Success;
    case ENOENT:
      return ErrorCode::FileNotFound;
    case ENOTDIR:
      return ErrorCode::PathNotFound;
    case EACCES:
    case EPERM:
      return ErrorCode::AccessDenied;
    case EROFS:
      return ErrorCode::WriteProtect;
    case EEXIST:
      return ErrorCode::AlreadyExists;
    case ENOTEMPTY:
      return ErrorCode::DirNotEmpty;
    case EISDIR:
      return ErrorCode::IsADirectory;
    case ENAMETOOLONG:
      return ErrorCode::FilenameTooLong;
    case ENOSPC:
    case EDQUOT:
      return ErrorCode::DiskFull;
    case ENOMEM:
      return ErrorCode::OutOfMemory;
    case EINVAL:
      return ErrorCode::InvalidParameter;
    case EBADF:
      return ErrorCode::InvalidHandle;
    case EBUSY:
    case ETXTBSY:
      return ErrorCode::SharingViolation;
    case ENOTSUP:
      return ErrorCode::NotSupported;
    case EXDEV:
      return ErrorCode::NotSameDevice;
    default:
      return ErrorCode::IoError;
  }
}

}  // namespace tessera::platform
