// Conversions of TSXKF: every input encoding to SJIS, SJIS to every output
// encoding, and the line-end replacement. Characters that cannot be
// converted become the black square (SJIS 81 A1, U+25A0).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "tools/tsxkf/encodings.h"

namespace tessera::tools {

// JIS X 0208 row/cell bytes (0x21-0x7E each) and their Shift_JIS form.
void JisToSjis(std::uint8_t j1, std::uint8_t j2, std::uint8_t& s1, std::uint8_t& s2);
void SjisToJis(std::uint8_t s1, std::uint8_t s2, std::uint8_t& j1, std::uint8_t& j2);

std::string JisToSjisText(std::string_view data);
std::string EucToSjisText(std::string_view data);
// UTF-8 after any mark has been taken off.
std::string Utf8ToSjisText(std::string_view data);
// UTF-16: a leading FF FE is dropped; after FE FF the text is big-endian.
std::string Utf16ToSjisText(std::string_view data);
// The input in `encoding` (SJIS and ASCII pass unchanged; UTF8 loses its
// first three bytes).
std::string ToSjis(std::string_view data, Encoding encoding);

std::string SjisToJisText(std::string_view sjis);
std::string SjisToEucText(std::string_view sjis);
std::string SjisToUtf8Text(std::string_view sjis);
std::u16string SjisToWide(std::string_view sjis);

// Each line end of kind `from` (CR alone, LF alone, or the pair for CR LF and
// none) replaced by the bytes of `to`.
std::string ReplaceLineEnds(std::string_view data, LineEnd from, LineEnd to);
std::u16string ReplaceLineEnds(std::u16string_view text, LineEnd from, LineEnd to);

}  // namespace tessera::tools
