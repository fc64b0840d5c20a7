// Named shared memory of the device: POSIX shared memory, mode 0600, its
// name qualified by the user and the device root so that two devices (or
// two users) never meet. A block lives while a shell holds it open; when
// the last holder closes it, it is gone, and a block left behind by a shell
// that died counts as not there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace tessera::platform {

// The host name of a device-wide block ("/tessera-<uid>-<root hash>-<name>").
std::string QualifiedSharedMemoryName(std::u16string_view name);

// Removes the blocks of this user (of any device root) that no running
// shell holds any more: those of shells that were killed outright. Blocks
// in use are left alone. Gives how many were removed.
std::size_t RemoveStaleSharedMemory();

class SharedMemoryBlock {
 public:
  SharedMemoryBlock() = default;
  SharedMemoryBlock(const SharedMemoryBlock&) = delete;
  SharedMemoryBlock& operator=(const SharedMemoryBlock&) = delete;
  SharedMemoryBlock(SharedMemoryBlock&& other) noexcept;
  SharedMemoryBlock& operator=(SharedMemoryBlock&& other) noexcept;
  ~SharedMemoryBlock();

  // Creates the block, or joins the one another shell of the device holds;
  // its size is at least `size` bytes. The holder keeps it alive.
  static Result<SharedMemoryBlock> Create(std::u16string_view name, std::size_t size);
  // Opens a block by its host name for reading; FileNotFound when no live
  // shell holds it.
  static Result<SharedMemoryBlock> OpenExisting(const std::string& hostName);

  bool isOpen() const { return fd_ >= 0; }
  const std::string& hostName() const { return hostName_; }
  std::size_t size() const { return size_; }
  // Maps the block for writing, copies the bytes in at offset, unmaps.
  Status Write(std::size_t offset, const void* data, std::size_t length);
  // Reads length bytes from offset (cut at the block's end).
  Result<std::vector<std::uint8_t>> Read(std::size_t offset, std::size_t length) const;
  // Lets go of the block; the last holder removes its name.
  void Close();

 private:
  int fd_ = -1;
  bool holder_ = false;
  std::size_t size_ = 0;
  std::string hostName_;
};

}  // namespace tessera::platform
