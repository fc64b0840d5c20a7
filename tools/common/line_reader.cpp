#include "tools/common/line_reader.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tessera::tools {

LineReader::LineReader(std::u16string_view text, std::size_t bufferSize)
    : text_(text), limit_(bufferSize > 1 ? bufferSize - 1 : 1) {}

namespace {

// The four units at `at`, each lane 0x8000 where it equals the unit of
// `pattern` (a unit repeated in all four lanes), else 0.
std::uint64_t EqualLanes(const char16_t* at, std::uint64_t pattern) {
  constexpr std::uint64_t kLowBits = 0x7FFF7FFF7FFF7FFFull;
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  word ^= pattern;
  // No lane carries into the next: (x & 0x7FFF) + 0x7FFF stays below 0x10000.
  const std::uint64_t nonZero = ((word & kLowBits) + kLowBits) | word;
  return ~(nonZero | kLowBits);
}

std::uint64_t Pattern(char16_t unit) { return 0x0001000100010001ull * unit; }

}  // namespace

std::size_t FindUnit(std::u16string_view text, char16_t unit) {
  const std::uint64_t pattern = Pattern(unit);
  std::size_t i = 0;
  for (; i + 4 <= text.size(); i += 4) {
    const std::uint64_t lanes = EqualLanes(text.data() + i, pattern);
    if (lanes != 0) return i + static_cast<std::size_t>(std::countr_zero(lanes)) / 16;
  }
  for (; i < text.size(); ++i) {
    if (text[i] == unit) return i;
  }
  return std::u16string_view::npos;
}

bool LineReader::Next(std::u16string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t window = std::min(limit_, text_.size() - pos_);
  const std::size_t feed = FindUnit(text_.substr(pos_, window), u'\n');
  const std::size_t length = feed == std::u16string_view::npos ? window : feed + 1;
  line = text_.substr(pos_, length);
  pos_ += length;
  return true;
}

}  // namespace tessera::tools
