#include "platform/text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tessera::platform {

namespace {
constexpr char16_t kReplacement = 0xFFFD;

// Four bytes as four little-endian 16-bit units (each byte below 0x80).
std::uint64_t SpreadBytes(std::uint32_t bytes) {
  std::uint64_t x = bytes;
  x = (x | (x << 16)) & 0x0000FFFF0000FFFFull;
  return (x | (x << 8)) & 0x00FF00FF00FF00FFull;
}

// Decodes into out. At a broken sequence the strict decoder stops and gives
// its index; the other writes U+FFFD for it and goes on. npos: none broken.
template <bool kStrict>
std::size_t DecodeUtf8(std::string_view in, std::u16string& out) {
  // No byte gives more than one unit (four bytes give two), so the result
  // is written straight into a buffer of the input's length.
  out.assign(in.size(), u'\0');
  std::size_t firstBroken = std::string_view::npos;
  char16_t* dst = out.data();
  const auto* src = reinterpret_cast<const unsigned char*>(in.data());
  const std::size_t size = in.size();
  std::size_t i = 0;
  while (i < size) {
    // Runs of ASCII, the bulk of most text, eight bytes at a time.
    while (i + 8 <= size) {
      std::uint64_t word = 0;
      std::memcpy(&word, src + i, sizeof word);
      if ((word & 0x8080808080808080ull) != 0) break;
      const std::uint64_t low = SpreadBytes(static_cast<std::uint32_t>(word));
      const std::uint64_t high = SpreadBytes(static_cast<std::uint32_t>(word >> 32));
      std::memcpy(dst, &low, sizeof low);
      std::memcpy(dst + 4, &high, sizeof high);
      dst += 8;
      i += 8;
    }
    if (i >= size) break;
    const unsigned char b = src[i];
    if (b < 0x80) {
      *dst++ = static_cast<char16_t>(b);
      ++i;
      continue;
    }
    // Three bytes, the rest of the first plane (Japanese text), read at once.
    if ((b & 0xF0) == 0xE0 && i + 2 < size && (src[i + 1] & 0xC0) == 0x80 &&
        (src[i + 2] & 0xC0) == 0x80) {
      const char32_t unit =
          (char32_t{b & 0x0Fu} << 12) | (char32_t{src[i + 1] & 0x3Fu} << 6) | (src[i + 2] & 0x3Fu);
      if (unit >= 0x800 && (unit < 0xD800 || unit > 0xDFFF)) {
        *dst++ = static_cast<char16_t>(unit);
        i += 3;
        continue;
      }
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b & 0xE0) == 0xC0) {
      extra = 1, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3, cp = b & 0x07, min = 0x10000;
    } else {
      if (kStrict) return i;
      if (firstBroken == std::string_view::npos) firstBroken = i;
      *dst++ = kReplacement;
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    bool good = true;
    for (int k = 0; k < extra; ++k, ++j) {
      if (j >= size || (src[j] & 0xC0) != 0x80) {
        good = false;
        break;
      }
      cp = (cp << 6) | (src[j] & 0x3F);
    }
    if (!good || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      if (kStrict) return i;
      if (firstBroken == std::string_view::npos) firstBroken = i;
      *dst++ = kReplacement;
      i = j;  // the bytes read so far form one broken sequence
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      *dst++ = static_cast<char16_t>(0xD800 + (cp >> 10));
      *dst++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      *dst++ = static_cast<char16_t>(cp);
    }
    i = j;
  }
  out.resize(static_cast<std::size_t>(dst - out.data()));
  return firstBroken;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view in) {
  std::u16string out;
  DecodeUtf8<false>(in, out);
  return out;
}

bool Utf8ToUtf16IfValid(std::string_view in, std::u16string& out) {
  return DecodeUtf8<true>(in, out) == std::string_view::npos;
}

std::size_t FirstInvalidUtf8(std::string_view in) {
  // The strict decoder finds it; what it decodes on the way is not needed.
  std::u16string scratch;
  return DecodeUtf8<true>(in, scratch);
}

namespace {

constexpr char16_t kFirstByteEscape = 0xDC80;
constexpr char16_t kLastByteEscape = 0xDCFF;

bool IsByteEscape(std::u16string_view text, std::size_t i) {
  if (text[i] < kFirstByteEscape || text[i] > kLastByteEscape) return false;
  return i == 0 || text[i - 1] < 0xD800 || text[i - 1] > 0xDBFF;  // not a pair's second half
}

}  // namespace

Utf8Front Utf8CharacterAtFront(std::string_view in) {
  if (in.empty()) return {0, true};
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(in[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {1, false};
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong form
    if (lead == 0xED) high = 0x9F;  // no surrogate
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    return {0, false};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= in.size()) return {0, true};
    const bool fits = i == 1 ? byte(1) >= low && byte(1) <= high : (byte(i) & 0xC0) == 0x80;
    if (!fits) return {0, false};
  }
  return {length, false};
}

std::u16string HostBytesToWide(std::string_view bytes) {
  std::u16string out;
  if (Utf8ToUtf16IfValid(bytes, out)) return out;
  out.clear();
  std::size_t i = 0;
  while (i < bytes.size()) {
    std::size_t run = i;
    std::size_t length = 0;
    while (run < bytes.size() && (length = Utf8CharacterAtFront(bytes.substr(run)).length) > 0) {
      run += length;
    }
    out += Utf8ToUtf16(bytes.substr(i, run - i));
    if (run < bytes.size()) {
      out += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[run]));
      ++run;
    }
    i = run;
  }
  return out;
}

std::string WideToHostBytes(std::u16string_view text) {
  std::string out;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsByteEscape(text, i)) continue;
    AppendUtf8(out, text.substr(start, i - start));
    out += static_cast<char>(text[i] - 0xDC00);
    start = i + 1;
  }
  AppendUtf8(out, text.substr(start));
  return out;
}

void AppendUtf8(std::string& out, std::u16string_view in) {
  // A stretch at a time through a buffer on the stack, so that the text
  // grows by what is written and nothing is cleared first.
  constexpr std::size_t kStretch = 512;
  char buffer[kStretch * 3 + 4];
  std::size_t i = 0;
  while (i < in.size()) {
    char* dst = buffer;
    const std::size_t stop = std::min(in.size(), i + kStretch);
    for (; i < stop; ++i) {
      char32_t c = in[i];
      if (c < 0x80) {
        *dst++ = static_cast<char>(c);
        continue;
      }
      if (c < 0x800) {
        *dst++ = static_cast<char>(0xC0 | (c >> 6));
        *dst++ = static_cast<char>(0x80 | (c & 0x3F));
        continue;
      }
      if (c < 0xD800 || c > 0xDFFF) {
        // The rest of the first plane: Japanese text is mostly here.
        *dst++ = static_cast<char>(0xE0 | (c >> 12));
        *dst++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *dst++ = static_cast<char>(0x80 | (c & 0x3F));
        continue;
      }
      if (c <= 0xDBFF && i + 1 < in.size() && in[i + 1] >= 0xDC00 && in[i + 1] <= 0xDFFF) {
        // Two units made four bytes: within the room of the stretch.
        c = 0x10000 + ((c - 0xD800) << 10) + (in[i + 1] - 0xDC00);
        ++i;
        *dst++ = static_cast<char>(0xF0 | (c >> 18));
        *dst++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *dst++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *dst++ = static_cast<char>(0x80 | (c & 0x3F));
        continue;
      }
      // A unit of a pair without its partner.
      *dst++ = static_cast<char>(0xE0 | (kReplacement >> 12));
      *dst++ = static_cast<char>(0x80 | ((kReplacement >> 6) & 0x3F));
      *dst++ = static_cast<char>(0x80 | (kReplacement & 0x3F));
    }
    out.append(buffer, static_cast<std::size_t>(dst - buffer));
  }
}

std::string Utf16ToUtf8(std::u16string_view in) {
  std::string out;
  AppendUtf8(out, in);
  return out;
}

char16_t ToUpper(char16_t c) {
  if (c < 0x80) return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 0x20) : c;
  // Latin-1 letters, except the division sign and the two without capitals.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
  if (c == 0xFF) return 0x178;
  // Latin Extended-A: pairs of capital (even) and small (odd).
  if (c >= 0x100 && c <= 0x17F) {
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
      return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
    }
    if (c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F && (c % 2 == 1)) {
      return static_cast<char16_t>(c - 1);
    }
    return c;
  }
  // Greek.
  if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return static_cast<char16_t>(c - 0x20);
  if (c == 0x3C2) return 0x3A3;
  // Cyrillic.
  if (c >= 0x430 && c <= 0x44F) return static_cast<char16_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<char16_t>(c - 0x50);
  // Full-width Latin small letters.
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<char16_t>(c - 0x20);
  return c;
}

std::u16string ToUpper(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = ToUpper(c);
  return out;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t x = ToUpper(a[i]);
    const char16_t y = ToUpper(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace tessera::platform
