#include "tools/tsxkf/detection.h"

#include <cstdint>

namespace tessera::tools {

namespace {

std::uint8_t At(std::string_view data, std::size_t i) { return static_cast<std::uint8_t>(data[i]); }

bool IsTextControl(std::uint8_t b) { return b == 0x09 || b == 0x0A || b == 0x0D; }

bool InRange(std::uint8_t b, std::uint8_t low, std::uint8_t high) { return b >= low && b <= high; }

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
  std::size_t i = 0;
  while (i < data.size()) {
    const std::uint8_t b = At(data, i);
    if (IsTextControl(b) || InRange(b, 0x20, 0x7E) || InRange(b, 0xA1, 0xDF)) {
      ++i;
      continue;
    }
    if (!InRange(b, 0x81, 0x9F) && !InRange(b, 0xE0, 0xEF)) return false;
    if (i + 1 >= data.size()) return false;
    const std::uint8_t trail = At(data, i + 1);
    if (!InRange(trail, 0x40, 0x7E) && !InRange(trail, 0x80, 0xFC)) return false;
    i += 2;
  }
  return true;
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
  for (std::size_t i = 0; i < data.size(); ++i) {
    const std::uint8_t b = At(data, i);
    if (b == 0) return kUnicode;
    if (b == 0x1B && i + 1 < data.size() && (data[i + 1] == '$' || data[i + 1] == '(')) {
      return kJis;
    }
  }
  if (IsValidShiftJis(data)) return kSjis;
  if (IsValidEucJp(data)) return kEuc;
  return kUnknown;
}

LineEnd DetectLineEnd(std::string_view data) {
  long crs = 0;
  long lfs = 0;
  long pairs = 0;
  for (std::size_t i = 0; i < data.size(); ++i) {
    const char c = data[i];
    if (c == '\n') ++lfs;
    if (c != '\r') continue;
    ++crs;
    if (i + 1 < data.size() && data[i + 1] == '\n') {
      ++pairs;
    } else if (i + 3 < data.size() && data[i + 1] == '\0' && data[i + 2] == '\n' &&
               data[i + 3] == '\0') {
      ++pairs;
    }
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
