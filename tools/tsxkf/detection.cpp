#include "tools/tsxkf/detection.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace tessera::tools {

namespace {

constexpr std::uint8_t At(std::string_view data, std::size_t i) {
  return static_cast<std::uint8_t>(data[i]);
}

constexpr bool IsTextControl(std::uint8_t b) { return b == 0x09 || b == 0x0A || b == 0x0D; }

constexpr bool InRange(std::uint8_t b, std::uint8_t low, std::uint8_t high) {
  return b >= low && b <= high;
}

}  // namespace

bool IsValidUtf8(std::string_view data, bool* hasMultiByte) {
  bool multi = false;
  std::size_t i = 0;
  while (i < data.size()) {
    const std::uint8_t b = At(data, i);
    if (IsTextControl(b) || InRange(b, 0x20, 0x7F)) {
      ++i;
      continue;
    }
    int length = 0;
    for (std::uint8_t mask = 0x80; (b & mask) != 0 && length < 8; mask >>= 1) ++length;
    if (length < 2 || length > 6) return false;
    if (i + static_cast<std::size_t>(length) > data.size()) return false;
    for (int k = 1; k < length; ++k) {
      if ((At(data, i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) return false;
    }
    multi = true;
    i += static_cast<std::size_t>(length);
  }
  if (hasMultiByte != nullptr) *hasMultiByte = multi;
  return true;
}

bool IsValidShiftJis(std::string_view data) {
  // Per byte: may begin a character (1), may follow a lead (2), is a lead
  // (4). The walk keeps only whether a trail is due, so that each byte is
  // checked without branching on what it is: Japanese text mixes single
  // and double bytes at random.
  static constexpr auto kRoles = [] {
    std::array<std::uint8_t, 256> roles{};
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<std::uint8_t>(b);
      const bool lead = InRange(byte, 0x81, 0x9F) || InRange(byte, 0xE0, 0xEF);
      const bool single =
          IsTextControl(byte) || InRange(byte, 0x20, 0x7E) || InRange(byte, 0xA1, 0xDF);
      if (single || lead) roles[b] |= 1;
      if (InRange(byte, 0x40, 0x7E) || InRange(byte, 0x80, 0xFC)) roles[b] |= 2;
      if (lead) roles[b] |= 4;
    }
    return roles;
  }();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.data());
  unsigned trailDue = 0;
  unsigned good = 1;
  for (std::size_t i = 0; i < data.size(); ++i) {
    const unsigned roles = kRoles[bytes[i]];
    good &= roles >> trailDue;
    trailDue = (trailDue ^ 1u) & (roles >> 2);
    if ((i & 0xFFF) == 0 && (good & 1u) == 0) return false;  // stop early now and then
  }
  return (good & 1u) != 0 && trailDue == 0;
}

bool IsValidEucJp(std::string_view data) {
  std::size_t i = 0;
  while (i < data.size()) {
    const std::uint8_t b = At(data, i);
    if (IsTextControl(b) || InRange(b, 0x20, 0x7E)) {
      ++i;
    } else if (InRange(b, 0xA1, 0xFE)) {
      if (i + 1 >= data.size() || !InRange(At(data, i + 1), 0xA1, 0xFE)) return false;
      i += 2;
    } else if (b == 0x8E) {
      if (i + 1 >= data.size() || !InRange(At(data, i + 1), 0xA1, 0xDF)) return false;
      i += 2;
    } else if (b == 0x8F) {
      if (i + 2 >= data.size() || !InRange(At(data, i + 1), 0xA1, 0xFE) ||
          !InRange(At(data, i + 2), 0xA1, 0xFE)) {
        return false;
      }
      i += 3;
    } else {
      return false;
    }
  }
  return true;
}

Encoding DetectEncoding(std::string_view data) {
  if (data.substr(0, 3) == "\xEF\xBB\xBF") {
    if (IsValidUtf8(data)) return kUtf8;
    return IsValidEucJp(data) ? kEuc : kUnknown;
  }
  bool multi = false;
  if (IsValidUtf8(data, &multi)) return multi ? kUtf8N : kAscii;
  // Valid Shift_JIS holds neither a zero byte nor an ESC, so when it is
  // valid no byte that comes first decides otherwise; one pass then does.
  if (IsValidShiftJis(data)) return kSjis;
  const std::size_t zero = data.find('\0');
  std::size_t escape = data.find('\x1B');
  while (escape != std::string_view::npos && escape < zero &&
         !(escape + 1 < data.size() && (data[escape + 1] == '$' || data[escape + 1] == '('))) {
    escape = data.find('\x1B', escape + 1);
  }
  if (zero != std::string_view::npos && (escape == std::string_view::npos || zero < escape)) {
    return kUnicode;
  }
  if (escape != std::string_view::npos) return kJis;
  if (IsValidEucJp(data)) return kEuc;
  return kUnknown;
}

namespace {

// The eight bytes at `at`, each 0x80 where it equals `byte`, else 0.
std::uint64_t EqualBytes(const char* at, char byte) {
  constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7Full;
  std::uint64_t word = 0;
  std::memcpy(&word, at, sizeof word);
  word ^= 0x0101010101010101ull * static_cast<std::uint8_t>(byte);
  // No lane carries into the next: (x & 0x7F) + 0x7F stays below 0x100.
  return ~(((word & kLowBits) + kLowBits) | word | kLowBits);
}

long CountLanes(std::uint64_t lanes) {
  return static_cast<long>(((lanes >> 7) * 0x0101010101010101ull) >> 56);
}

bool PairAt(std::string_view data, std::size_t i) {
  if (i + 1 < data.size() && data[i + 1] == '\n') return true;
  return i + 3 < data.size() && data[i + 1] == '\0' && data[i + 2] == '\n' && data[i + 3] == '\0';
}

}  // namespace

LineEnd DetectLineEnd(std::string_view data) {
  long crs = 0;
  long lfs = 0;
  long pairs = 0;
  // Eight bytes at a time; only words holding a CR are looked at closely.
  std::size_t i = 0;
  for (; i + 8 <= data.size(); i += 8) {
    lfs += CountLanes(EqualBytes(data.data() + i, '\n'));
    std::uint64_t cr = EqualBytes(data.data() + i, '\r');
    while (cr != 0) {
      const std::size_t at = i + static_cast<std::size_t>(std::countr_zero(cr)) / 8;
      ++crs;
      if (PairAt(data, at)) ++pairs;
      cr &= cr - 1;
    }
  }
  for (; i < data.size(); ++i) {
    if (data[i] == '\n') ++lfs;
    if (data[i] != '\r') continue;
    ++crs;
    if (PairAt(data, i)) ++pairs;
  }
  if (pairs > 0) {
    if (pairs * 100 / crs < 50) return kCr;
    if (pairs * 100 / lfs >= 50) return kCrLf;
    return kLf;
  }
  if (crs == 0 && lfs == 0) return kNoLineEnd;
  return lfs <= crs ? kCr : kLf;
}

}  // namespace tessera::tools
