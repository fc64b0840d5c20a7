// The device's ANSI code page and conversions through iconv.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace tessera::platform {

inline constexpr int kCodePageShiftJis = 932;
inline constexpr int kCodePageWestern = 1252;
inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageUtf16Le = 1200;

// 932 unless TESSERA_ACP names another code page (1252, 65001, ...).
// Read once; an unusable value falls back to 932.
int AnsiCodePage();

// Bytes in the given code page to UTF-16. Bytes that do not decode become
// U+30FB (the device's replacement for undecodable text); when
// firstUndecodable is given, it receives the index of the first such byte
// (npos when there is none). Fails only with InvalidParameter for a code
// page iconv does not know.
Result<std::u16string> MultiByteToWide(std::string_view bytes, int codePage,
                                       std::size_t* firstUndecodable = nullptr);
// UTF-16 to bytes in the given code page; characters without a mapping
// become '?'.
Result<std::string> WideToMultiByte(std::u16string_view text, int codePage);
// The same, and `unmapped` receives each character that became '?' (a
// surrogate pair, or a lone surrogate, as one), once, in the order of its
// first appearance, so that a caller can tell the user what would be lost.
Result<std::string> WideToMultiByte(std::u16string_view text, int codePage,
                                    std::vector<char32_t>& unmapped);

// Bytes from outside the device whose code page nobody named (a file or a
// stream from bash): UTF-8 when they are valid UTF-8, else the ANSI code
// page. When neither reads them, `undecodable` is the index of the first
// byte the ANSI code page could not read (of the first broken UTF-8 sequence
// when iconv does not know that code page) and the text is not to be used.
struct GuessedText {
  std::u16string text;
  int codePage = kCodePageUtf8;
  std::size_t undecodable = std::string_view::npos;
  bool ok() const { return undecodable == std::string_view::npos; }
};
GuessedText DecodeUtf8OrAnsi(std::string_view bytes);

// Shorthands for the ANSI code page; an unknown page yields empty output.
std::u16string AnsiToWide(std::string_view bytes);
std::string WideToAnsi(std::u16string_view text);
// Length in bytes of the text in the ANSI code page.
std::size_t AnsiByteLength(std::u16string_view text);

namespace detail {
// iconv's name for a code page; null for one Tessera does not know.
const char* IconvName(int codePage);
// The converter (an iconv_t) this thread keeps open for the code page and
// direction, reset to its initial state; null when iconv cannot convert it.
void* SharedConverter(int codePage, bool toWide);
}  // namespace detail

}  // namespace tessera::platform
