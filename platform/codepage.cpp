#include "platform/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

#include "platform/multibyte_decoder.h"
#include "platform/text.h"

namespace tessera::platform {

namespace {

constexpr char16_t kUndecodable = 0x30FB;  // KATAKANA MIDDLE DOT

// Open conversion descriptors, kept for the life of the thread because
// opening one loads a converter module.
class Converters {
 public:
  ~Converters() {
    for (auto& [key, cd] : open_) iconv_close(cd);
  }
  // The descriptor for (codePage, toWide), reset to its initial state;
  // nullptr for a code page iconv does not know.
  iconv_t Get(int codePage, bool toWide) {
    const auto key = std::make_pair(codePage, toWide);
    auto it = open_.find(key);
    if (it == open_.end()) {
      const char* name = detail::IconvName(codePage);
      if (name == nullptr) return nullptr;
      iconv_t cd = toWide ? iconv_open("UTF-16LE", name) : iconv_open(name, "UTF-16LE");
      if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
      it = open_.emplace(key, cd).first;
    }
    iconv(it->second, nullptr, nullptr, nullptr, nullptr);
    return it->second;
  }

 private:
  std::map<std::pair<int, bool>, iconv_t> open_;
};

iconv_t Converter(int codePage, bool toWide) {
  thread_local Converters converters;
  return converters.Get(codePage, toWide);
}

// Runs iconv over all of `in`, growing `out` as needed. Returns the errno
// that stopped it (0 when all input was taken), leaving `in` at the
// offending bytes.
int Convert(iconv_t cd, const char*& in, std::size_t& inLeft, std::string& out) {
  while (true) {
    const std::size_t used = out.size();
    const std::size_t room = inLeft * 4 + 16;
    out.resize(used + room);
    char* dst = out.data() + used;
    std::size_t dstLeft = room;
    char* src = const_cast<char*>(in);  // iconv's historic signature
    const std::size_t rc =
        in ? iconv(cd, &src, &inLeft, &dst, &dstLeft) : iconv(cd, nullptr, nullptr, &dst, &dstLeft);
    if (in) in = src;
    out.resize(out.size() - dstLeft);
    if (rc != static_cast<std::size_t>(-1)) return 0;
    if (errno != E2BIG) return errno;
  }
}

std::u16string FromUtf16Le(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size() / 2 + 1);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    out += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                 (static_cast<unsigned char>(bytes[i + 1]) << 8));
  }
  return out;
}

std::string ToUtf16Le(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

int ReadAnsiCodePage() {
  const char* env = std::getenv("TESSERA_ACP");
  if (env == nullptr || *env == '\0') return kCodePageShiftJis;
  int value = 0;
  const char* end = env + std::strlen(env);
  const auto [stop, ec] = std::from_chars(env, end, value);
  if (ec != std::errc() || stop != end) return kCodePageShiftJis;
  if (value != kCodePageUtf16Le && Converter(value, true) == nullptr) return kCodePageShiftJis;
  return value;
}

}  // namespace

namespace detail {

const char* IconvName(int codePage) {
  switch (codePage) {
    case 932:
      return "CP932";
    case 936:
      return "CP936";
    case 1252:
      return "CP1252";
    case 1201:
      return "UTF-16BE";
    case 20127:
      return "ASCII";
    case 20932:
      return "EUC-JP";
    case 28591:
      return "ISO-8859-1";
    case 50220:
      return "ISO-2022-JP";
    case 65001:
      return "UTF-8";
    default:
      return nullptr;
  }
}

void* SharedConverter(int codePage, bool toWide) {
  iconv_t cd = Converter(codePage, toWide);
  return cd;
}

}  // namespace detail

int AnsiCodePage() {
  static const int codePage = ReadAnsiCodePage();
  return codePage;
}

Result<std::u16string> MultiByteToWide(std::string_view bytes, int codePage,
                                       std::size_t* firstUndecodable) {
  if (firstUndecodable) *firstUndecodable = std::string_view::npos;
  if (codePage == kCodePageUtf16Le) {
    std::u16string out = FromUtf16Le(bytes);
    if (bytes.size() % 2 != 0) {
      out += kUndecodable;
      if (firstUndecodable) *firstUndecodable = bytes.size() - 1;
    }
    return out;
  }
  if (!firstUndecodable) {
    std::u16string out;
    if (!DecodeWhole(bytes, codePage, out)) return ErrorCode::InvalidParameter;
    return out;
  }
  // Where the first undecodable byte lies is wanted: converted here, one
  // undecodable byte at a time.
  iconv_t cd = Converter(codePage, true);
  if (cd == nullptr) return ErrorCode::InvalidParameter;
  std::string wide;
  const char* in = bytes.data();
  std::size_t inLeft = bytes.size();
  while (inLeft > 0) {
    const int err = Convert(cd, in, inLeft, wide);
    if (err == 0) break;
    if (*firstUndecodable == std::string_view::npos) {
      *firstUndecodable = static_cast<std::size_t>(in - bytes.data());
    }
    wide += "\xFB\x30";        // U+30FB, little-endian
    if (err == EINVAL) break;  // a sequence cut off by the end of the input
    // One byte at a time, so that a following good character is kept.
    ++in;
    --inLeft;
  }
  return FromUtf16Le(wide);
}

GuessedText DecodeUtf8OrAnsi(std::string_view bytes) {
  GuessedText guessed;
  // Decoded as UTF-8 right away: one pass when the bytes are valid.
  if (Utf8ToUtf16IfValid(bytes, guessed.text)) return guessed;
  guessed.codePage = AnsiCodePage();
  auto wide = MultiByteToWide(bytes, guessed.codePage, &guessed.undecodable);
  if (wide) {
    guessed.text = std::move(*wide);
  } else {
    guessed.text = Utf8ToUtf16(bytes);
    guessed.undecodable = FirstInvalidUtf8(bytes);
  }
  return guessed;
}

Result<std::string> WideToMultiByte(std::u16string_view text, int codePage) {
  std::vector<char32_t> unmapped;
  return WideToMultiByte(text, codePage, unmapped);
}

Result<std::string> WideToMultiByte(std::u16string_view text, int codePage,
                                    std::vector<char32_t>& unmapped) {
  if (codePage == kCodePageUtf16Le) return ToUtf16Le(text);
  iconv_t cd = Converter(codePage, false);
  if (cd == nullptr) return ErrorCode::InvalidParameter;
  const std::string units = ToUtf16Le(text);
  std::string out;
  const char* in = units.data();
  std::size_t inLeft = units.size();
  while (inLeft > 0) {
    const int err = Convert(cd, in, inLeft, out);
    if (err == 0) break;
    // '?' goes through the converter too, so that stateful encodings switch
    // back to ASCII before it.
    static constexpr char kQuestion[] = {'?', '\0'};
    const char* q = kQuestion;
    std::size_t qLeft = sizeof kQuestion;
    Convert(cd, q, qLeft, out);
    // Skip the whole character: a surrogate pair is one.
    const auto unit = static_cast<char16_t>(static_cast<unsigned char>(in[0]) |
                                            (static_cast<unsigned char>(in[1]) << 8));
    char32_t character = unit;
    std::size_t skip = 2;
    if (unit >= 0xD800 && unit <= 0xDBFF && inLeft >= 4) {
      const auto next = static_cast<char16_t>(static_cast<unsigned char>(in[2]) |
                                              (static_cast<unsigned char>(in[3]) << 8));
      if (next >= 0xDC00 && next <= 0xDFFF) {
        skip = 4;
        character = 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{next} - 0xDC00);
      }
    }
    if (std::find(unmapped.begin(), unmapped.end(), character) == unmapped.end())
      unmapped.push_back(character);
    if (err == EINVAL) break;
    in += skip;
    inLeft -= skip;
  }
  // Return a stateful encoding to its initial shift state.
  const char* none = nullptr;
  std::size_t noneLeft = 0;
  Convert(cd, none, noneLeft, out);
  return out;
}

std::u16string AnsiToWide(std::string_view bytes) {
  auto wide = MultiByteToWide(bytes, AnsiCodePage());
  return wide ? std::move(*wide) : std::u16string();
}

std::string WideToAnsi(std::u16string_view text) {
  auto bytes = WideToMultiByte(text, AnsiCodePage());
  return bytes ? std::move(*bytes) : std::string();
}

std::size_t AnsiByteLength(std::u16string_view text) { return WideToAnsi(text).size(); }

}  // namespace tessera::platform
