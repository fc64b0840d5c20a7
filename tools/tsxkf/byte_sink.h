// Appends bytes to a string through a small buffer of its own, so that a
// converter's work per byte is a store rather than the string's
// bookkeeping.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessera::tools {

class ByteSink {
 public:
  // `expected` is a guess of the final size, reserved up front.
  ByteSink(std::string& out, std::size_t expected) : out_(out) { out_.reserve(expected); }
  ByteSink(const ByteSink&) = delete;
  ByteSink& operator=(const ByteSink&) = delete;

  void Put(char c) {
    if (used_ == kSize) Flush();
    buffer_[used_++] = c;
  }
  void Put(std::uint8_t a, std::uint8_t b) {
    if (used_ + 2 > kSize) Flush();
    buffer_[used_++] = static_cast<char>(a);
    buffer_[used_++] = static_cast<char>(b);
  }
  // A few bytes at once (an escape sequence, a character).
  void Put(std::string_view bytes) {
    if (used_ + bytes.size() > kSize) Flush();
    if (bytes.size() > kSize) {
      out_.append(bytes);
      return;
    }
    for (char c : bytes) buffer_[used_++] = c;
  }
  // Space for `n` (at most a few) bytes to be written at once, then
  // taken in with Commit.
  char* Room(std::size_t n) {
    if (used_ + n > kSize) Flush();
    return buffer_ + used_;
  }
  void Commit(std::size_t n) { used_ += n; }
  // Everything put so far is in the string. Call before using it.
  void Flush() {
    out_.append(buffer_, used_);
    used_ = 0;
  }

 private:
  static constexpr std::size_t kSize = 1 << 14;
  std::string& out_;
  char buffer_[kSize];
  std::size_t used_ = 0;
};

}  // namespace tessera::tools
