#include "platform/shared_memory.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/device.h"
#include "platform/text.h"

namespace tessera::platform {

namespace {

// Names may hold only characters that are safe in a file name.
std::string SafeName(std::u16string_view name) {
  std::string out;
  for (char c : Utf16ToUtf8(name)) {
    const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '_' || c == '-';
    out += safe ? c : '_';
  }
  return out;
}

// Where the host keeps its POSIX shared memory objects.
constexpr const char* kSharedMemoryFolder = "/dev/shm";

std::string UserPrefix() { return "tessera-" + std::to_string(getuid()) + "-"; }

// True while `name` still names the object open on fd (a cleaner may have
// removed the name between the open and the lock).
bool NameStillRefersTo(int fd, const std::string& name) {
  struct stat byName {};
  struct stat open {};
  if (fstat(fd, &open) != 0) return false;
  if (stat((std::string(kSharedMemoryFolder) + name).c_str(), &byName) != 0) return false;
  return byName.st_dev == open.st_dev && byName.st_ino == open.st_ino;
}

}  // namespace

std::size_t RemoveStaleSharedMemory() {
  DIR* folder = opendir(kSharedMemoryFolder);
  if (folder == nullptr) return 0;
  const std::string prefix = UserPrefix();
  std::size_t removed = 0;
  while (const dirent* entry = readdir(folder)) {
    const std::string_view candidate(entry->d_name);
    if (candidate.substr(0, prefix.size()) != prefix) continue;
    const std::string name = "/" + std::string(candidate);
    const int fd = shm_open(name.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) continue;
    // Every holder keeps a shared lock: an exclusive one means none is left.
    // Holding it while unlinking keeps a shell that is just joining the
    // block from taking it; that shell sees the name gone and makes a new one.
    if (flock(fd, LOCK_EX | LOCK_NB) == 0 && NameStillRefersTo(fd, name) &&
        shm_unlink(name.c_str()) == 0) {
      ++removed;
    }
    close(fd);
  }
  closedir(folder);
  return removed;
}

std::string QualifiedSharedMemoryName(std::u16string_view name) {
  return "/" + UserPrefix() + DeviceRootTag() + "-" + SafeName(name);
}

SharedMemoryBlock::SharedMemoryBlock(SharedMemoryBlock&& other) noexcept
    : fd_(other.fd_),
      holder_(other.holder_),
      size_(other.size_),
      hostName_(std::move(other.hostName_)) {
  other.fd_ = -1;
  other.holder_ = false;
}

SharedMemoryBlock& SharedMemoryBlock::operator=(SharedMemoryBlock&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.fd_;
    holder_ = other.holder_;
    size_ = other.size_;
    hostName_ = std::move(other.hostName_);
    other.fd_ = -1;
    other.holder_ = false;
  }
  return *this;
}

SharedMemoryBlock::~SharedMemoryBlock() { Close(); }

Result<SharedMemoryBlock> SharedMemoryBlock::Create(std::u16string_view name, std::size_t size) {
  SharedMemoryBlock block;
  block.hostName_ = QualifiedSharedMemoryName(name);
  // A few rounds: each one lost to a cleaner that removed the name in the
  // meantime makes a fresh block.
  for (int round = 0;; ++round) {
    block.fd_ = shm_open(block.hostName_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (block.fd_ < 0) return ErrorFromErrno(errno);
    // Every holder keeps a shared lock; a block nobody locks is left over.
    if (flock(block.fd_, LOCK_SH) != 0) return ErrorFromErrno(errno);
    if (NameStillRefersTo(block.fd_, block.hostName_)) break;
    close(block.fd_);
    block.fd_ = -1;
    if (round == 10) return ErrorCode::SharingViolation;
  }
  block.holder_ = true;
  struct stat info {};
  if (fstat(block.fd_, &info) != 0) return ErrorFromErrno(errno);
  if (static_cast<std::size_t>(info.st_size) < size &&
      ftruncate(block.fd_, static_cast<off_t>(size)) != 0) {
    return ErrorFromErrno(errno);
  }
  block.size_ = std::max(size, static_cast<std::size_t>(info.st_size));
  return block;
}

Result<SharedMemoryBlock> SharedMemoryBlock::OpenExisting(const std::string& hostName) {
  if (hostName.empty() || hostName[0] != '/' || hostName.find('/', 1) != std::string::npos) {
    return ErrorCode::InvalidName;
  }
  SharedMemoryBlock block;
  block.hostName_ = hostName;
  block.fd_ = shm_open(hostName.c_str(), O_RDONLY | O_CLOEXEC, 0);
  if (block.fd_ < 0) return ErrorFromErrno(errno);
  // Nobody holding it: the shell that made it is gone.
  if (flock(block.fd_, LOCK_EX | LOCK_NB) == 0) {
    flock(block.fd_, LOCK_UN);
    return ErrorCode::FileNotFound;
  }
  struct stat info {};
  if (fstat(block.fd_, &info) != 0) return ErrorFromErrno(errno);
  block.size_ = static_cast<std::size_t>(info.st_size);
  return block;
}

Status SharedMemoryBlock::Write(std::size_t offset, const void* data, std::size_t length) {
  if (fd_ < 0) return ErrorCode::InvalidHandle;
  if (offset > size_ || length > size_ - offset) return ErrorCode::InvalidParameter;
  if (length == 0) return Status::Ok();
  void* map = mmap(nullptr, size_, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
  if (map == MAP_FAILED) return ErrorFromErrno(errno);
  std::memcpy(static_cast<char*>(map) + offset, data, length);
  munmap(map, size_);
  return Status::Ok();
}

Result<std::vector<std::uint8_t>> SharedMemoryBlock::Read(std::size_t offset,
                                                          std::size_t length) const {
  if (fd_ < 0) return ErrorCode::InvalidHandle;
  if (offset >= size_) return std::vector<std::uint8_t>();
  length = std::min(length, size_ - offset);
  void* map = mmap(nullptr, size_, PROT_READ, MAP_SHARED, fd_, 0);
  if (map == MAP_FAILED) return ErrorFromErrno(errno);
  const auto* bytes = static_cast<const std::uint8_t*>(map) + offset;
  std::vector<std::uint8_t> out(bytes, bytes + length);
  munmap(map, size_);
  return out;
}

void SharedMemoryBlock::Close() {
  if (fd_ < 0) return;
  // The last holder takes the name away with it.
  if (holder_ && flock(fd_, LOCK_EX | LOCK_NB) == 0) shm_unlink(hostName_.c_str());
  close(fd_);
  fd_ = -1;
  holder_ = false;
}

}  // namespace tessera::platform
