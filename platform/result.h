// Error codes and result types of the platform layer.
#pragma once

#include <cstdint>
#include <string_view>
#include <utility>
#include <variant>

namespace tessera::platform {

// Win32-shaped error numbers so that callers can tell failures apart and
// the interpreter can map them onto its messages.
enum class ErrorCode : std::uint32_t {
  Success = 0,
  FileNotFound = 2,
  PathNotFound = 3,
  AccessDenied = 5,
  InvalidHandle = 6,
  OutOfMemory = 8,
  NotSameDevice = 17,  // a rename cannot cross file systems
  NoMoreFiles = 18,
  WriteProtect = 19,
  SharingViolation = 32,
  HandleEof = 38,
  NotSupported = 50,
  FileExists = 80,
  InvalidParameter = 87,
  DiskFull = 112,
  InvalidName = 123,
  DirNotEmpty = 145,
  AlreadyExists = 183,
  FilenameTooLong = 206,
  NotADirectory = 267,          // a directory name was expected
  IsADirectory = 336,           // a file was expected, the name is a directory
  NoUnicodeTranslation = 1113,  // bytes that the code page in question cannot read
  IoError = 1117,
};

// What the code means, in words for a message on the host (English, as
// the host's own messages are): "permission denied", "not a directory".
std::string_view ErrorDescription(ErrorCode code);

// Maps a host errno value onto the error code callers test for.
ErrorCode ErrorFromErrno(int err);

// Outcome of an operation that gives no value.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(ErrorCode code) : code_(code) {}  // NOLINT: implicit by design
  static Status Ok() { return Status(); }
  bool ok() const { return code_ == ErrorCode::Success; }
  ErrorCode error() const { return code_; }
  explicit operator bool() const { return ok(); }

 private:
  ErrorCode code_ = ErrorCode::Success;
};

// A value or the error that prevented it.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : data_(std::move(value)) {}  // NOLINT: implicit by design
  Result(ErrorCode code) : data_(code) {}       // NOLINT: implicit by design
  bool ok() const { return std::holds_alternative<T>(data_); }
  explicit operator bool() const { return ok(); }
  ErrorCode error() const { return ok() ? ErrorCode::Success : std::get<ErrorCode>(data_); }
  const T& value() const& { return std::get<T>(data_); }
  T& value() & { return std::get<T>(data_); }
  T&& value() && { return std::get<T>(std::move(data_)); }
  const T* operator->() const { return &value(); }
  T* operator->() { return &value(); }
  const T& operator*() const& { return value(); }
  T& operator*() & { return value(); }
  Status status() const { return Status(error()); }

 private:
  std::variant<T, ErrorCode> data_;
};

}  // namespace tessera::platform
