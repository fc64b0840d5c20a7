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

std::string_view ErrorDescription(ErrorCode code) {
  switch (code) {
    case ErrorCode::Success:
      return "no error";
    case ErrorCode::FileNotFound:
      return "no such file";
    case ErrorCode::PathNotFound:
      return "no such directory";
    case ErrorCode::AccessDenied:
      return "permission denied";
    case ErrorCode::InvalidHandle:
      return "not open";
    case ErrorCode::OutOfMemory:
      return "out of memory";
    case ErrorCode::NotSameDevice:
      return "on another file system";
    case ErrorCode::NoMoreFiles:
      return "no more files";
    case ErrorCode::WriteProtect:
      return "read-only file system";
    case ErrorCode::SharingViolation:
      return "in use";
    case ErrorCode::HandleEof:
      return "end of file";
    case ErrorCode::NotSupported:
      return "not supported";
    case ErrorCode::FileExists:
    case ErrorCode::AlreadyExists:
      return "already exists";
    case ErrorCode::InvalidParameter:
      return "invalid value";
    case ErrorCode::DiskFull:
      return "no space left";
    case ErrorCode::InvalidName:
      return "invalid name";
    case ErrorCode::DirNotEmpty:
      return "directory not empty";
    case ErrorCode::FilenameTooLong:
      return "name too long";
    case ErrorCode::NotADirectory:
      return "not a directory";
    case ErrorCode::IsADirectory:
      return "is a directory";
    case ErrorCode::NoUnicodeTranslation:
      return "text the code page cannot read";
    case ErrorCode::IoError:
      return "input/output error";
  }
  return "unknown error";
}

}  // namespace tessera::platform
