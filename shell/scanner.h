// The small text scanners every command uses to read its argument text.
// Positions are indexes into the text; npos stands for "none".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessera {

// Blanks are the space and the tab only.
inline bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
inline bool IsOperatorChar(char16_t c) { return c == u'&' || c == u'<' || c == u'>' || c == u'|'; }

// The text from its first non-blank character on.
std::u16string_view SkipBlanks(std::u16string_view text);
// Index of the first non-blank at or after from (text.size() when none).
std::size_t SkipBlanksFrom(std::u16string_view text, std::size_t from);
// Index of the first blank (or, in operator mode, operator character) at or
// after from; text.size() at the end.
std::size_t WordEnd(std::u16string_view text, bool operatorMode, std::size_t from = 0);

struct Token {
  std::size_t start = 0;  // first character of the token's text
  std::size_t end = 0;    // one past its last character
  std::size_t next = 0;   // where scanning goes on
};

// Reads one token from `from`: a quoted token runs to the closing quote
// (start after the opening quote, end at the closing one); in operator mode
// ">>" and the single characters & < > | are tokens of their own and blanks
// just inside quotes are left out. Nothing when only blanks are left or a
// quote is never closed.
std::optional<Token> GetToken(std::u16string_view text, std::size_t from, bool operatorMode);

// Removes trailing spaces, tabs and `extra` (0 = none) in place.
void TrimTrailing(std::u16string& text, char16_t extra = 0);
std::u16string_view TrimTrailingView(std::u16string_view text, char16_t extra = 0);

// Reads an integer like the C runtime's wide atol: leading blanks, an
// optional sign, decimal digits up to the first other character; 0 when
// there are none. Saturates at the 32-bit range.
long ParseLong(std::u16string_view text);

}  // namespace tessera
