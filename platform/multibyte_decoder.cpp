#include "platform/multibyte_decoder.h"

#include <iconv.h>

#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/codepage.h"

namespace tessera::platform {

namespace {

constexpr char16_t kUndecodable = 0x30FB;  // KATAKANA MIDDLE DOT

iconv_t Cd(void* converter) { return static_cast<iconv_t>(converter); }

// iconv writes UTF-16LE; the text holds units in the machine's order.
template <typename Unit>
Unit FromLittleEndian(Unit unit) {
  if constexpr (std::endian::native == std::endian::big) {
    return static_cast<Unit>((unit >> 8) | (unit << 8));
  }
  return unit;
}

// What a byte, or a lead byte with its trail byte, decodes to: not asked
// yet, the first byte of a two-byte character, bytes that do not decode, a
// character (kUnit with the unit in the low bits), or something the table
// does not model (left to the converter).
enum TableEntry : std::uint32_t {
  kNotAsked = 0,
  kLead = 1,
  kInvalid = 2,
  kUnmodelled = 3,
  kUnit = 0x10000,
};

// The Shift_JIS characters met so far, as the converter decodes them; a
// text meets the same few thousand characters again and again.
class SjisTable {
 public:
  SjisTable() : pairs_(0x10000, kNotAsked) {
    converter_ = iconv_open("UTF-16LE", detail::IconvName(kCodePageShiftJis));
    if (converter_ == reinterpret_cast<iconv_t>(-1)) {
      converter_ = nullptr;
      return;
    }
    asciiAsItself_ = true;
    for (int byte = 0; byte < 256; ++byte) {
      const char c = static_cast<char>(byte);
      singles_[byte] = Ask({&c, 1});
      if (byte < 0x80 && singles_[byte] != (kUnit | byte)) asciiAsItself_ = false;
    }
  }
  bool ok() const { return converter_ != nullptr; }
  // Bytes below 0x80 decode to the same units (they do in Shift_JIS).
  bool asciiAsItself() const { return asciiAsItself_; }

  std::uint32_t Single(std::uint8_t byte) const { return singles_[byte]; }
  std::uint32_t Pair(std::uint8_t lead, std::uint8_t trail) {
    const std::uint32_t entry = pairs_[static_cast<std::size_t>(lead << 8 | trail)];
    return entry != kNotAsked ? entry : AskPair(lead, trail);
  }

 private:
  // A pair met for the first time.
  [[gnu::noinline]] std::uint32_t AskPair(std::uint8_t lead, std::uint8_t trail) {
    const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
    std::uint32_t entry = Ask({bytes, 2});
    // A lead byte whose pair is not one character is the converter's.
    if (entry == kLead) entry = kUnmodelled;
    pairs_[static_cast<std::size_t>(lead << 8 | trail)] = entry;
    return entry;
  }

  // Decodes the bytes alone: one character made of all of them, bytes
  // that start a longer character, or bytes that do not decode.
  std::uint32_t Ask(std::string_view bytes) {
    iconv(converter_, nullptr, nullptr, nullptr, nullptr);
    char16_t units[4];
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = reinterpret_cast<char*>(units);
    std::size_t outLeft = sizeof units;
    const std::size_t rc = iconv(converter_, &in, &inLeft, &out, &outLeft);
    const std::size_t produced = (sizeof units - outLeft) / 2;
    if (rc == static_cast<std::size_t>(-1)) {
      if (errno == EINVAL && produced == 0 && bytes.size() == 1) return kLead;
      if (errno == EILSEQ && produced == 0 && inLeft == bytes.size()) return kInvalid;
      return kUnmodelled;
    }
    if (inLeft != 0 || produced != 1) return kUnmodelled;
    std::uint16_t unit;
    std::memcpy(&unit, units, 2);
    return kUnit | FromLittleEndian(unit);
  }

  iconv_t converter_ = nullptr;
  bool asciiAsItself_ = false;
  std::array<std::uint32_t, 256> singles_{};
  std::vector<std::uint32_t> pairs_;
};

SjisTable* Sjis() {
  static SjisTable table;
  return table.ok() ? &table : nullptr;
}

}  // namespace

MultiByteDecoder::MultiByteDecoder(int codePage) {
  const char* name = detail::IconvName(codePage);
  if (name == nullptr) return;
  iconv_t cd = iconv_open("UTF-16LE", name);
  if (cd == reinterpret_cast<iconv_t>(-1)) return;
  converter_ = cd;
  useTable_ = codePage == kCodePageShiftJis && Sjis() != nullptr;
}

MultiByteDecoder::MultiByteDecoder(int codePage, void* sharedConverter)
    : converter_(sharedConverter), ownsConverter_(false) {
  useTable_ = converter_ && codePage == kCodePageShiftJis && Sjis() != nullptr;
}

MultiByteDecoder::~MultiByteDecoder() {
  if (converter_ && ownsConverter_) iconv_close(Cd(converter_));
}

void MultiByteDecoder::Decode(std::string_view bytes, bool last, std::u16string& out) {
  if (!converter_) return;
  if (useTable_) {
    DecodeWithTable(bytes, last, out);
  } else {
    DecodeWithConverter(bytes, last, out);
  }
}

void MultiByteDecoder::DecodeWithTable(std::string_view bytes, bool last, std::u16string& out) {
  SjisTable& table = *Sjis();
  // A lead byte left by the last piece goes with the first byte of this one.
  if (!pending_.empty()) {
    if (bytes.empty()) {
      if (last) {
        out += kUndecodable;
        pending_.clear();
      }
      return;
    }
    const auto lead = static_cast<std::uint8_t>(pending_[0]);
    const std::uint32_t pair = table.Pair(lead, static_cast<std::uint8_t>(bytes[0]));
    if (pair & kUnit) {
      pending_.clear();
      out += static_cast<char16_t>(pair);
      bytes.remove_prefix(1);
    } else if (pair == kInvalid) {
      // The lead byte alone is skipped; its successor starts afresh.
      pending_.clear();
      out += kUndecodable;
    } else {
      useTable_ = false;
      DecodeWithConverter(bytes, last, out);
      return;
    }
  }
  const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const auto* end = p + bytes.size();
  const std::size_t start = out.size();
  out.resize(start + bytes.size());
  char16_t* dst = out.data() + start;
  const bool ascii = table.asciiAsItself();
  while (p < end) {
    if (ascii && *p < 0x80) {
      *dst++ = *p++;
      continue;
    }
    const std::uint32_t single = table.Single(*p);
    // Two-byte characters first: most of a Japanese text is made of them.
    if (single == kLead && p + 1 < end) {
      const std::uint32_t pair = table.Pair(p[0], p[1]);
      if (pair & kUnit) {
        *dst++ = static_cast<char16_t>(pair);
        p += 2;
        continue;
      }
      if (pair == kInvalid) {
        *dst++ = kUndecodable;
        ++p;
        continue;
      }
    } else if (single & kUnit) {
      *dst++ = static_cast<char16_t>(single);
      ++p;
      continue;
    } else if (single == kInvalid) {
      *dst++ = kUndecodable;
      ++p;
      continue;
    } else if (single == kLead) {
      // A lead byte at the end of the piece.
      if (last) {
        *dst++ = kUndecodable;
      } else {
        pending_.assign(1, static_cast<char>(*p));
      }
      ++p;
      continue;
    }
    // The rest of the text goes to the converter, which decodes it whole.
    useTable_ = false;
    out.resize(static_cast<std::size_t>(dst - out.data()));
    const auto rest = static_cast<std::size_t>(end - p);
    DecodeWithConverter(bytes.substr(bytes.size() - rest), last, out);
    return;
  }
  out.resize(static_cast<std::size_t>(dst - out.data()));
}

void MultiByteDecoder::DecodeWithConverter(std::string_view bytes, bool last, std::u16string& out) {
  std::string joined;
  if (!pending_.empty()) {
    joined = pending_ + std::string(bytes);
    pending_.clear();
    bytes = joined;
  }
  iconv_t cd = Cd(converter_);
  char* in = const_cast<char*>(bytes.data());  // iconv's historic signature
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    // A byte gives at most one unit, and a character at most two.
    const std::size_t used = out.size();
    const std::size_t room = inLeft + 2;
    out.resize(used + room);
    char* dst = reinterpret_cast<char*>(out.data() + used);
    std::size_t dstLeft = room * 2;
    const std::size_t rc = iconv(cd, &in, &inLeft, &dst, &dstLeft);
    const int err = errno;
    const std::size_t produced = room - dstLeft / 2;
    if constexpr (std::endian::native == std::endian::big) {
      for (std::size_t i = used; i < used + produced; ++i) out[i] = FromLittleEndian(out[i]);
    }
    out.resize(used + produced);
    if (rc != static_cast<std::size_t>(-1)) break;
    if (err == E2BIG) continue;
    if (err == EINVAL) {
      // A character cut off by the end of the piece.
      if (last) {
        out += kUndecodable;
      } else {
        pending_.assign(in, inLeft);
      }
      break;
    }
    // One byte at a time, so that a following good character is kept.
    out += kUndecodable;
    ++in;
    --inLeft;
  }
}

bool DecodeWhole(std::string_view bytes, int codePage, std::u16string& out) {
  void* converter = detail::SharedConverter(codePage, true);
  if (!converter) return false;
  MultiByteDecoder decoder(codePage, converter);
  decoder.Decode(bytes, true, out);
  return true;
}

}  // namespace tessera::platform
