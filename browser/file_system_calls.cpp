#include "browser/file_system_calls.h"

#include "platform/copy.h"
#include "platform/files.h"
#include "platform/move.h"

namespace tessera::browser {

namespace {

constexpr std::uint32_t kReadOnlyBit = platform::kAttrReadOnly;

// Deletes a file whatever its read-only bit; the bit comes back when the
// file stays.
platform::Status ForceDelete(std::u16string_view path, std::uint32_t attributes) {
  if (attributes & kReadOnlyBit) {
    if (const auto cleared = platform::SetFileAttributes(path, attributes & ~kReadOnlyBit);
        !cleared)
      return cleared;
  }
  const platform::Status deleted = platform::DeleteFile(path);
  if (!deleted && (attributes & kReadOnlyBit)) (void)platform::SetFileAttributes(path, attributes);
  return deleted;
}

}  // namespace

platform::Status FileSystemCalls::CopyFile(std::u16string_view source, std::u16string_view target) {
  return platform::CopyFileReplacing(source, target);
}

platform::Status FileSystemCalls::MoveFile(std::u16string_view source, std::u16string_view target) {
  const platform::Status moved = platform::MoveEntry(source, target);
  if (moved.error() != platform::ErrorCode::NotSameDevice) return moved;
  const auto info = platform::GetFileInfo(source);
  if (!info.ok()) return info.status();
  if (info->isSymlink || (info->attributes & platform::kAttrDirectory)) return moved;
  if (platform::PathExists(target)) return platform::ErrorCode::AlreadyExists;
  // A failed copy removes what it created; the source is untouched.
  if (const auto copied = platform::CopyFileReplacing(source, target); !copied) return copied;
  const platform::Status deleted = ForceDelete(source, info->attributes);
  if (!deleted) {
    const auto copy = platform::GetFileInfo(target);
    (void)ForceDelete(target, copy.ok() ? copy->attributes : 0);
  }
  return deleted;
}

platform::Status FileSystemCalls::DeleteFile(std::u16string_view path) {
  return platform::DeleteFile(path);
}

platform::Status FileSystemCalls::CreateDirectory(std::u16string_view path) {
  return platform::CreateDirectory(path);
}

platform::Status FileSystemCalls::RemoveDirectory(std::u16string_view path) {
  return platform::RemoveDirectory(path);
}

platform::Status FileSystemCalls::SetAttributes(std::u16string_view path,
                                                std::uint32_t attributes) {
  const platform::Status status = platform::SetFileAttributes(path, attributes);
  if (status.error() != platform::ErrorCode::NotSupported) return status;
  // A file system without attribute records still keeps the read-only bit,
  // which is the one that matters to the operations.
  const auto info = platform::GetFileInfo(path);
  const bool isFolder = info.ok() && (info->attributes & platform::kAttrDirectory);
  const std::uint32_t unrecorded = isFolder ? 0u : std::uint32_t{platform::kAttrArchive};
  return platform::SetFileAttributes(path, (attributes & kReadOnlyBit) | unrecorded);
}

FileSystemCalls& PlatformFileSystemCalls() {
  static FileSystemCalls calls;
  return calls;
}

}  // namespace tessera::browser
