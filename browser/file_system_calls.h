// The changes the file operations make to the device, behind one seam so
// that tests can make any of them fail. Questions about the device (does it
// exist, what is it, what does a folder hold) go to the platform directly.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/result.h"

namespace tessera::browser {

class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;
  // Copies a file's bytes, time and attributes, replacing the destination.
  virtual platform::Status CopyFile(std::u16string_view source, std::u16string_view target);
  // Moves a file (or a link, as the link) to a name that is free. Where a
  // rename cannot reach the target's file system, a plain file is copied
  // and only then is the source deleted; when the source cannot be
  // deleted the copy goes again, so the file is never left in two places.
  virtual platform::Status MoveFile(std::u16string_view source, std::u16string_view target);
  virtual platform::Status DeleteFile(std::u16string_view path);
  virtual platform::Status CreateDirectory(std::u16string_view path);
  virtual platform::Status RemoveDirectory(std::u16string_view path);
  virtual platform::Status SetAttributes(std::u16string_view path, std::uint32_t attributes);
};

// The calls as the platform makes them.
FileSystemCalls& PlatformFileSystemCalls();

}  // namespace tessera::browser
