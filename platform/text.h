// UTF-8 / UTF-16 conversion and case folding of shell text.
#pragma once

#include <string>
#include <string_view>

namespace tessera::platform {

// Unpaired surrogates and malformed bytes become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
// Index of the first byte that Utf8ToUtf16 would have to replace (a broken
// sequence, an overlong form, a surrogate, past U+10FFFF); npos when the
// bytes are valid UTF-8.
std::size_t FirstInvalidUtf8(std::string_view utf8);
// Utf8ToUtf16 in one pass for text that must be valid: false (out then
// holds no meaningful text) at the first broken sequence.
bool Utf8ToUtf16IfValid(std::string_view utf8, std::u16string& out);
inline bool IsValidUtf8(std::string_view utf8) {
  return FirstInvalidUtf8(utf8) == std::string_view::npos;
}
// What begins `bytes`: a whole UTF-8 character (its length in bytes), or
// none (length 0) — then either more bytes may still complete one
// (`incomplete`, also for no bytes at all) or no byte that follows can.
struct Utf8Front {
  std::size_t length = 0;
  bool incomplete = false;
};
Utf8Front Utf8CharacterAtFront(std::string_view bytes);

// Text that stands for host bytes (a file name, a program's argument):
// UTF-8, where each byte that is no part of a UTF-8 character becomes the
// lone surrogate U+DC80..U+DCFF, so that every host name makes the round
// trip through shell text unchanged and names differing only in such bytes
// stay apart.
std::u16string HostBytesToWide(std::string_view bytes);
// The way back: such a lone surrogate is its byte again, the rest UTF-8.
std::string WideToHostBytes(std::u16string_view text);

// Utf16ToUtf8 onto the end of `out`.
void AppendUtf8(std::string& out, std::u16string_view utf16);

// Simple upper-case mapping of one code unit (ASCII, Latin-1, Greek,
// Cyrillic, full-width Latin); other characters are returned unchanged.
char16_t ToUpper(char16_t c);
std::u16string ToUpper(std::u16string_view text);

// Case-insensitive comparison in the sense used for device names:
// both sides mapped through ToUpper, then compared by code unit.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);
// True when text begins with prefix, compared without regard to case.
bool StartsWithNoCase(std::u16string_view text, std::u16string_view prefix);

}  // namespace tessera::platform
