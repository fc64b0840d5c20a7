#include "tools/tsxkf/kanji_convert.h"

#include <array>
#include <cstring>
#include <vector>

#include "tools/tsxkf/byte_sink.h"
#include "tools/tsxkf/code_page_cache.h"

namespace tessera::tools {

namespace {

constexpr char kSquareSjis[] = "\x81\xA1";
constexpr char kSquareJis[] = "\x22\x23";
constexpr char kSquareEuc[] = "\xA2\xA3";
constexpr char16_t kSquareWide = 0x25A0;

constexpr std::uint8_t At(std::string_view data, std::size_t i) {
  return static_cast<std::uint8_t>(data[i]);
}
constexpr bool InRange(std::uint8_t b, int low, int high) { return b >= low && b <= high; }

constexpr bool IsJisByte(std::uint8_t b) { return InRange(b, 0x21, 0x7E); }
constexpr bool IsSjisLead(std::uint8_t b) {
  return InRange(b, 0x81, 0x9F) || InRange(b, 0xE0, 0xFC);
}
constexpr bool IsSjisTrail(std::uint8_t b) {
  return InRange(b, 0x40, 0x7E) || InRange(b, 0x80, 0xFC);
}
constexpr bool IsHalfWidthKana(std::uint8_t b) { return InRange(b, 0xA1, 0xDF); }
// Leads whose characters lie in the JIS X 0208 rows (0x21-0x7E).
constexpr bool HasJisForm(std::uint8_t lead) {
  return InRange(lead, 0x81, 0x9F) || InRange(lead, 0xE0, 0xEF);
}

void AppendSjisOfJis(ByteSink& out, std::uint8_t j1, std::uint8_t j2) {
  std::uint8_t s1 = 0;
  std::uint8_t s2 = 0;
  JisToSjis(j1, j2, s1, s2);
  out.Put(s1, s2);
}

// The code page's SJIS bytes of UTF-16 units, from the cache's table.
class SjisOfUnits {
 public:
  SjisOfUnits() : cache_(SjisCodePage()), table_(cache_.toSjisTable()) {}
  void Append(ByteSink& out, char16_t unit) {
    std::uint32_t entry = table_[unit];
    if (entry == CodePageCache::kUnknown) entry = cache_.LookUpToSjis(unit);
    if (entry == CodePageCache::kNoMapping) {
      out.Put(kSquareSjis);
    } else if (entry & CodePageCache::kTwoBytes) {
      out.Put(static_cast<std::uint8_t>(entry >> 8), static_cast<std::uint8_t>(entry));
    } else {
      out.Put(static_cast<char>(entry & 0xFF));
    }
  }

 private:
  CodePageCache& cache_;
  const std::uint32_t* table_;
};

// The code page's UTF-16 unit of SJIS codes (lead << 8 | trail, a single
// byte as lead << 8), U+25A0 when there is none.
class UnitsOfSjis {
 public:
  UnitsOfSjis() : cache_(SjisCodePage()), table_(cache_.fromSjisTable()) {}
  char16_t operator()(std::uint16_t code) {
    std::uint32_t entry = table_[code];
    if (entry == CodePageCache::kUnknown) entry = cache_.LookUpFromSjis(code);
    return entry == CodePageCache::kNoMapping ? kSquareWide : static_cast<char16_t>(entry & 0xFFFF);
  }

 private:
  CodePageCache& cache_;
  const std::uint32_t* table_;
};

inline void AppendUtf8(ByteSink& out, char16_t unit) {
  char* bytes = out.Room(3);
  if (unit < 0x80) {
    bytes[0] = static_cast<char>(unit);
    out.Commit(1);
  } else if (unit < 0x800) {
    bytes[0] = static_cast<char>(0xC0 | (unit >> 6));
    bytes[1] = static_cast<char>(0x80 | (unit & 0x3F));
    out.Commit(2);
  } else {
    bytes[0] = static_cast<char>(0xE0 | (unit >> 12));
    bytes[1] = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    bytes[2] = static_cast<char>(0x80 | (unit & 0x3F));
    out.Commit(3);
  }
}

// Full-width JIS X 0208 codes of the half-width katakana 0xA1-0xDF.
constexpr std::uint16_t kFullWidthKana[63] = {
    0x2123, 0x2156, 0x2157, 0x2122, 0x2126, 0x2572, 0x2521, 0x2523, 0x2525, 0x2527, 0x2529,
    0x2563, 0x2565, 0x2567, 0x2543, 0x213C, 0x2522, 0x2524, 0x2526, 0x2528, 0x252A, 0x252B,
    0x252D, 0x252F, 0x2531, 0x2533, 0x2535, 0x2537, 0x2539, 0x253B, 0x253D, 0x253F, 0x2541,
    0x2544, 0x2546, 0x2548, 0x254A, 0x254B, 0x254C, 0x254D, 0x254E, 0x254F, 0x2552, 0x2555,
    0x2558, 0x255B, 0x255E, 0x255F, 0x2560, 0x2561, 0x2562, 0x2564, 0x2566, 0x2568, 0x2569,
    0x256A, 0x256B, 0x256C, 0x256D, 0x256F, 0x2573, 0x212B, 0x212C,
};

constexpr std::uint8_t kVoicedMark = 0xDE;
constexpr std::uint8_t kSemiVoicedMark = 0xDF;

// The full-width code of the half-width kana at data[i]; a voiced or
// semi-voiced mark after it is taken in (consumed is set to 2).
std::uint16_t FullWidthKana(std::string_view data, std::size_t i, std::size_t& consumed) {
  const std::uint8_t kana = At(data, i);
  std::uint16_t code = kFullWidthKana[kana - 0xA1];
  consumed = 1;
  if (i + 1 >= data.size()) return code;
  const std::uint8_t mark = At(data, i + 1);
  const bool takesVoiced = InRange(kana, 0xB6, 0xC4) || InRange(kana, 0xCA, 0xCE);  // ｶ-ﾄ, ﾊ-ﾎ
  if (mark == kVoicedMark && takesVoiced) {
    consumed = 2;
    return static_cast<std::uint16_t>(code + 1);
  }
  if (mark == kSemiVoicedMark && InRange(kana, 0xCA, 0xCE)) {
    consumed = 2;
    return static_cast<std::uint16_t>(code + 2);
  }
  return code;
}

bool Matches(std::string_view data, std::size_t i, std::string_view sequence) {
  return data.substr(i, sequence.size()) == sequence;
}

enum class JisMode { Single, Double, Kana };

}  // namespace

void JisToSjis(std::uint8_t j1, std::uint8_t j2, std::uint8_t& s1, std::uint8_t& s2) {
  int lead = ((j1 - 0x21) >> 1) + 0x81;
  if (lead > 0x9F) lead += 0x40;
  int trail = 0;
  if (j1 & 1) {
    trail = j2 + 0x1F + (j2 >= 0x60 ? 1 : 0);
  } else {
    trail = j2 + 0x7E;
  }
  s1 = static_cast<std::uint8_t>(lead);
  s2 = static_cast<std::uint8_t>(trail);
}

void SjisToJis(std::uint8_t s1, std::uint8_t s2, std::uint8_t& j1, std::uint8_t& j2) {
  int row = s1 >= 0xE0 ? s1 - 0xC1 : s1 - 0x81;
  int first = row * 2 + 0x21;
  int second = 0;
  if (s2 >= 0x9F) {
    ++first;
    second = s2 - 0x7E;
  } else {
    second = s2 - 0x1F - (s2 >= 0x80 ? 1 : 0);
  }
  j1 = static_cast<std::uint8_t>(first);
  j2 = static_cast<std::uint8_t>(second);
}

std::string JisToSjisText(std::string_view data) {
  std::string text;
  ByteSink out(text, data.size());
  JisMode mode = JisMode::Single;
  std::size_t i = 0;
  while (i < data.size()) {
    const std::uint8_t b = At(data, i);
    if (b == 0x1B) {
      static constexpr struct {
        std::string_view sequence;
        JisMode mode;
      } kEscapes[] = {
          {"\x1B&@\x1B$B", JisMode::Double}, {"\x1B$(D", JisMode::Double},
          {"\x1B$(O", JisMode::Double},      {"\x1B$(P", JisMode::Double},
          {"\x1B$@", JisMode::Double},       {"\x1B$B", JisMode::Double},
          {"\x1B(I", JisMode::Kana},         {"\x1B(B", JisMode::Single},
          {"\x1B(J", JisMode::Single},       {"\x1B(H", JisMode::Single},
      };
      std::size_t length = 1;  // an unknown sequence loses only its ESC
      JisMode next = JisMode::Single;
      for (const auto& escape : kEscapes) {
        if (Matches(data, i, escape.sequence)) {
          length = escape.sequence.size();
          next = escape.mode;
          break;
        }
      }
      mode = next;
      i += length;
      continue;
    }
    if (mode == JisMode::Double && IsJisByte(b)) {
      if (i + 1 < data.size() && IsJisByte(At(data, i + 1))) {
        AppendSjisOfJis(out, b, At(data, i + 1));
      } else {
        out.Put(kSquareSjis);  // half a character
      }
      i += 2;
      continue;
    }
    // Line ends and other controls pass in every mode.
    out.Put(static_cast<char>(mode == JisMode::Kana && InRange(b, 0x21, 0x5F) ? b | 0x80 : b));
    ++i;
  }
  out.Flush();
  return text;
}

std::string EucToSjisText(std::string_view data) {
  std::string text;
  ByteSink out(text, data.size());
  std::size_t i = 0;
  while (i < data.size()) {
    const std::uint8_t b = At(data, i);
    if (b == 0x8E) {
      if (i + 1 < data.size()) out.Put(data[i + 1]);
      i += 2;
    } else if (b == 0x8F) {
      out.Put(kSquareSjis);  // JIS X 0212 has no SJIS form
      i += 3;
    } else if (b > 0xA0) {
      const std::uint8_t trail = i + 1 < data.size() ? At(data, i + 1) : 0;
      if (InRange(b, 0xA1, 0xFE) && InRange(trail, 0xA1, 0xFE)) {
        AppendSjisOfJis(out, b & 0x7F, trail & 0x7F);
      } else {
        out.Put(kSquareSjis);
      }
      i += 2;
    } else {
      out.Put(static_cast<char>(b));
      ++i;
    }
  }
  out.Flush();
  return text;
}

std::string Utf8ToSjisText(std::string_view data) {
  std::string text;
  ByteSink out(text, data.size());
  SjisOfUnits sjisOf;
  std::size_t i = 0;
  while (i < data.size()) {
    const std::uint8_t b = At(data, i);
    if (b < 0x80) {
      out.Put(static_cast<char>(b));
      ++i;
      continue;
    }
    std::size_t length = 0;
    if (InRange(b, 0xC0, 0xDF)) {
      length = 2;
    } else if (InRange(b, 0xE0, 0xEF)) {
      length = 3;
    } else if (InRange(b, 0xF0, 0xF7)) {
      length = 4;
    } else if (InRange(b, 0xF8, 0xFB)) {
      length = 5;
    } else if (InRange(b, 0xFC, 0xFD)) {
      length = 6;
    } else {
      ++i;  // cannot start a sequence
      continue;
    }
    if (i + length > data.size() || length > 3) {
      out.Put(kSquareSjis);
      i += length;
      continue;
    }
    char16_t unit = 0;
    if (length == 2) {
      unit = static_cast<char16_t>(((b & 0x1F) << 6) | (At(data, i + 1) & 0x3F));
    } else {
      unit = static_cast<char16_t>(((b & 0x0F) << 12) | ((At(data, i + 1) & 0x3F) << 6) |
                                   (At(data, i + 2) & 0x3F));
    }
    sjisOf.Append(out, unit);
    i += length;
  }
  out.Flush();
  return text;
}

std::string Utf16ToSjisText(std::string_view data) {
  bool bigEndian = false;
  if (data.size() >= 2) {
    if (At(data, 0) == 0xFF && At(data, 1) == 0xFE) {
      data.remove_prefix(2);
    } else if (At(data, 0) == 0xFE && At(data, 1) == 0xFF) {
      data.remove_prefix(2);
      bigEndian = true;
    }
  }
  std::string text;
  ByteSink out(text, data.size());
  SjisOfUnits sjisOf;
  std::size_t i = 0;
  while (i + 1 < data.size()) {
    const std::uint8_t first = At(data, i);
    const std::uint8_t second = At(data, i + 1);
    const auto unit =
        static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    i += 2;
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < data.size()) {
      i += 2;  // the pair is one character beyond the code page
      out.Put(kSquareSjis);
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      out.Put(kSquareSjis);
    } else {
      sjisOf.Append(out, unit);
    }
  }
  if (i < data.size()) out.Put(kSquareSjis);
  out.Flush();
  return text;
}

std::string ToSjis(std::string_view data, Encoding encoding) {
  switch (encoding) {
    case kJis:
      return JisToSjisText(data);
    case kEuc:
      return EucToSjisText(data);
    case kUtf8:
      return Utf8ToSjisText(data.substr(std::min<std::size_t>(3, data.size())));
    case kUtf8N:
      return Utf8ToSjisText(data);
    case kUnicode:
      return Utf16ToSjisText(data);
    default:
      return std::string(data);
  }
}

std::string SjisToJisText(std::string_view sjis) {
  std::string text;
  ByteSink out(text, sjis.size() + sjis.size() / 4);
  bool doubleMode = false;
  auto toDouble = [&] {
    if (!doubleMode) out.Put("\x1B$B");
    doubleMode = true;
  };
  std::size_t i = 0;
  while (i < sjis.size()) {
    const std::uint8_t b = At(sjis, i);
    if (IsSjisLead(b)) {
      toDouble();
      const bool paired = i + 1 < sjis.size() && IsSjisTrail(At(sjis, i + 1));
      if (paired && HasJisForm(b)) {
        std::uint8_t j1 = 0;
        std::uint8_t j2 = 0;
        SjisToJis(b, At(sjis, i + 1), j1, j2);
        out.Put(j1, j2);
      } else {
        out.Put(kSquareJis);
      }
      i += paired ? 2 : 1;
    } else if (IsHalfWidthKana(b)) {
      toDouble();
      std::size_t consumed = 1;
      const std::uint16_t code = FullWidthKana(sjis, i, consumed);
      out.Put(static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code & 0xFF));
      i += consumed;
    } else {
      if (doubleMode) out.Put("\x1B(B");
      doubleMode = false;
      out.Put(static_cast<char>(b));
      ++i;
    }
  }
  if (doubleMode) out.Put("\x1B(B");
  out.Flush();
  return text;
}

std::string SjisToEucText(std::string_view sjis) {
  std::string text;
  ByteSink out(text, sjis.size() + sjis.size() / 8);
  std::size_t i = 0;
  while (i < sjis.size()) {
    const std::uint8_t b = At(sjis, i);
    if (b < 0x80) {
      out.Put(static_cast<char>(b));
      ++i;
    } else if (IsHalfWidthKana(b)) {
      out.Put(0x8E, b);
      ++i;
    } else if (IsSjisLead(b)) {
      const bool paired = i + 1 < sjis.size() && IsSjisTrail(At(sjis, i + 1));
      if (paired && HasJisForm(b)) {
        std::uint8_t j1 = 0;
        std::uint8_t j2 = 0;
        SjisToJis(b, At(sjis, i + 1), j1, j2);
        out.Put(j1 | 0x80, j2 | 0x80);
      } else {
        out.Put(kSquareEuc);
      }
      i += paired ? 2 : 1;
    } else {
      out.Put(static_cast<char>(b));
      ++i;
    }
  }
  out.Flush();
  return text;
}

// Visits each character of SJIS text as one UTF-16 unit.
template <typename Visit>
void ForEachSjisCharacter(std::string_view sjis, Visit visit) {
  UnitsOfSjis unitOf;
  std::size_t i = 0;
  while (i < sjis.size()) {
    const std::uint8_t b = At(sjis, i);
    if (b < 0x80) {
      visit(static_cast<char16_t>(b));
      ++i;
    } else if (IsHalfWidthKana(b)) {
      visit(unitOf(static_cast<std::uint16_t>(b << 8)));
      ++i;
    } else if (IsSjisLead(b) && i + 1 < sjis.size() && IsSjisTrail(At(sjis, i + 1))) {
      visit(unitOf(static_cast<std::uint16_t>((b << 8) | At(sjis, i + 1))));
      i += 2;
    } else {
      visit(kSquareWide);  // 0x80, 0xA0, 0xFD-0xFF, or a lead without its trail
      ++i;
    }
  }
}

namespace {

// SJIS characters by their code (lead << 8 | trail, a single byte as
// itself << 8) as UTF-8: up to three bytes in memory order, the count in
// the top byte; 0 until a code is first met.
class Utf8OfSjis {
 public:
  Utf8OfSjis() : table_(0x10000, 0) {}
  std::uint32_t operator()(std::uint16_t code) {
    const std::uint32_t entry = table_[code];
    return entry != 0 ? entry : Fill(code);
  }

 private:
  std::uint32_t Fill(std::uint16_t code) {
    const auto lead = static_cast<std::uint8_t>(code >> 8);
    char16_t unit = kSquareWide;  // 0x80, 0xA0, 0xFD-0xFF, or a lead without its trail
    if (lead < 0x80) {
      unit = lead;
    } else if ((code & 0xFF) != 0 || IsHalfWidthKana(lead)) {
      unit = unitOf_(code);
    }
    std::uint32_t entry = 0;
    if (unit < 0x80) {
      entry = 1u << 24 | unit;
    } else if (unit < 0x800) {
      entry = 2u << 24 | (0x80u | (unit & 0x3F)) << 8 | (0xC0u | (unit >> 6));
    } else {
      entry = 3u << 24 | (0x80u | (unit & 0x3F)) << 16 | (0x80u | ((unit >> 6) & 0x3F)) << 8 |
              (0xE0u | (unit >> 12));
    }
    table_[code] = entry;
    return entry;
  }

  std::vector<std::uint32_t> table_;
  UnitsOfSjis unitOf_;
};

}  // namespace

std::string SjisToUtf8Text(std::string_view sjis) {
  // A lead takes the next byte only when that is a trail byte; which of
  // the two it is, is computed rather than branched on, for text that
  // mixes ASCII and kanji at random.
  static constexpr auto kClass = [] {
    std::array<std::uint8_t, 256> classes{};
    for (int b = 0; b < 256; ++b) {
      const auto byte = static_cast<std::uint8_t>(b);
      classes[b] =
          static_cast<std::uint8_t>((IsSjisLead(byte) ? 1 : 0) | (IsSjisTrail(byte) ? 2 : 0));
    }
    return classes;
  }();
  std::string text;
  ByteSink out(text, sjis.size() + sjis.size() / 2);
  Utf8OfSjis utf8Of;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(sjis.data());
  const std::size_t size = sjis.size();
  std::size_t i = 0;
  while (i < size) {
    const std::uint8_t b = bytes[i];
    const std::uint8_t next = i + 1 < size ? bytes[i + 1] : 0;
    const unsigned pair = (kClass[b] & 1u) & (kClass[next] >> 1);
    const auto code = static_cast<std::uint16_t>(b << 8 | (next & (0u - pair)));
    const std::uint32_t entry = utf8Of(code);
    char* at = out.Room(4);
    std::memcpy(at, &entry, 4);  // the count byte is overwritten by what follows
    out.Commit(entry >> 24);
    i += 1 + pair;
  }
  out.Flush();
  return text;
}

std::u16string SjisToWide(std::string_view sjis) {
  // Every character takes at least one byte.
  std::u16string out(sjis.size(), u'\0');
  char16_t* next = out.data();
  ForEachSjisCharacter(sjis, [&](char16_t unit) { *next++ = unit; });
  out.resize(static_cast<std::size_t>(next - out.data()));
  return out;
}

namespace {

template <typename Char>
std::basic_string<Char> ReplaceEnds(std::basic_string_view<Char> data, LineEnd from, LineEnd to) {
  using Text = std::basic_string<Char>;
  Text replacement;
  if (to == kCr || to == kCrLf) replacement += static_cast<Char>('\r');
  if (to == kLf || to == kCrLf) replacement += static_cast<Char>('\n');
  Text pattern;
  if (from == kCr) {
    pattern += static_cast<Char>('\r');
  } else if (from == kLf) {
    pattern += static_cast<Char>('\n');
  } else {
    pattern += static_cast<Char>('\r');
    pattern += static_cast<Char>('\n');
  }
  if (pattern == replacement) return Text(data);
  Text out;
  out.reserve(data.size() + data.size() / 16);
  std::size_t i = 0;
  while (i < data.size()) {
    const std::size_t found = data.find(pattern, i);
    if (found == Text::npos) {
      out.append(data.substr(i));
      break;
    }
    out.append(data.substr(i, found - i));
    out += replacement;
    i = found + pattern.size();
  }
  return out;
}

}  // namespace

std::string ReplaceLineEnds(std::string_view data, LineEnd from, LineEnd to) {
  return ReplaceEnds(data, from, to);
}

std::u16string ReplaceLineEnds(std::u16string_view text, LineEnd from, LineEnd to) {
  return ReplaceEnds(text, from, to);
}

}  // namespace tessera::tools
