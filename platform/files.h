// Files and directories of the device: attributes, times, reading and writing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/filetime.h"
#include "platform/result.h"

namespace tessera::platform {

// Attribute bits as the shell shows and changes them.
enum FileAttribute : std::uint32_t {
  kAttrReadOnly = 0x1,
  kAttrHidden = 0x2,
  kAttrSystem = 0x4,
  kAttrDirectory = 0x10,
  kAttrArchive = 0x20,
  kAttrInRom = 0x40,
  kAttrNormal = 0x80,
  kAttrTemporary = 0x100,
};

struct FileInfo {
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  FileTime creationTime = 0;
  FileTime lastAccessTime = 0;
  FileTime lastWriteTime = 0;
  bool isSymlink = false;  // the entry itself is a symbolic link
};

// Information about an existing file or directory (links are followed for
// everything but isSymlink). FileNotFound / PathNotFound when absent.
Result<FileInfo> GetFileInfo(std::u16string_view path);
Result<std::uint32_t> GetFileAttributes(std::u16string_view path);
bool PathExists(std::u16string_view path);
bool IsDirectory(std::u16string_view path);
// Sets read-only (owner write bit), hidden, system and archive (extended
// attribute user.tessera.attrib). The directory and in-ROM bits are ignored.
// NotSupported when the file system keeps no extended attributes and other
// than the derived hidden/archive bits are asked for; AccessDenied on a
// read-only mount.
Status SetFileAttributes(std::u16string_view path, std::uint32_t attributes);

// Reads the whole file. IsADirectory for a directory.
Result<std::vector<std::uint8_t>> ReadWholeFile(std::u16string_view path);

enum class OpenMode {
  Read,          // existing file, read only
  ReadWrite,     // existing file, read and write
  CreateAlways,  // create or truncate, write
  OpenOrCreate,  // create if missing, keep contents, write
  Append,        // create if missing, every write at the end
  CreateNew,     // fail with FileExists when present
};

// An open file of the device (descriptor close-on-exec); closed when
// destroyed. Opening a read-only file for writing is AccessDenied, even
// where the host would allow it; a directory is IsADirectory.
class File {
 public:
  File() = default;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  File(File&& other) noexcept;
  File& operator=(File&& other) noexcept;
  ~File();

  static Result<File> Open(std::u16string_view path, OpenMode mode);

  bool isOpen() const { return fd_ >= 0; }
  // Reads up to size bytes; 0 at the end of the file.
  Result<std::size_t> Read(void* buffer, std::size_t size);
  // Writes all bytes or fails (DiskFull, IoError, ...).
  Status Write(const void* data, std::size_t size);
  Result<std::uint64_t> Size() const;
  // Reading and writing go on from this offset of the file.
  Status SeekTo(std::uint64_t offset);
  Status Close();

 private:
  explicit File(int fd) : fd_(fd) {}
  int fd_ = -1;
};

// Creates one directory. AlreadyExists when the name exists; PathNotFound
// when the parent is missing.
Status CreateDirectory(std::u16string_view path);
// Deletes a file (or a symbolic link, never its target). AccessDenied for
// a read-only file, IsADirectory for a directory.
Status DeleteFile(std::u16string_view path);
// Removes an empty directory. DirNotEmpty when it holds entries,
// NotADirectory for a file, AccessDenied when it is read-only.
Status RemoveDirectory(std::u16string_view path);

}  // namespace tessera::platform
