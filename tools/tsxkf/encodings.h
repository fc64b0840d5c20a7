// Encoding and line-end codes of TSXKF and their keywords.
#pragma once

#include <string_view>

namespace tessera::tools {

enum Encoding : int {
  kAscii = 0,  // found by detection only; handled as SJIS
  kSjis = 1,
  kJis = 2,
  kEuc = 3,
  kUtf8 = 4,   // UTF-8 with a byte-order mark
  kUtf8N = 5,  // UTF-8 without one
  kUnicode = 6,
  kDetect = 7,
  kUnknown = 9,
};

enum LineEnd : int { kCrLf = 0, kCr = 1, kLf = 2, kNoLineEnd = 3 };

// The encoding a keyword names by its first letters (E, J, S, UN, utf8n,
// utf8; any case); kUnknown for anything else.
Encoding ParseEncodingKeyword(std::u16string_view word);
// CRLF, LF or CR by the keyword's beginning; kNoLineEnd when it is none of them.
LineEnd ParseLineEndKeyword(std::u16string_view word);

}  // namespace tessera::tools
