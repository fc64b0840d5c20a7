// Reading a text file into lines: message files, batch files, TYPE.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/result_codes.h"

namespace tessera {

enum TextReadFlags : std::uint32_t {
  kTextAnsi = 4,   // the file is in the ANSI code page
  kTextUtf16 = 8,  // the file is UTF-16 little-endian
};

// The lines of a file in file order; a line's index is its position. Only a
// CR LF pair ends a line, and the piece after the last one is a line too
// (so a file ending with a line end has an empty last line).
struct TextLines {
  std::vector<std::u16string> lines;
};

// Without an encoding flag the file is UTF-16 when it starts with FF FE or
// holds a zero byte, else ANSI. A leading U+FEFF is skipped.
// kFileError when the file cannot be opened or read.
ResultCode ReadTextLines(std::u16string_view path, std::uint32_t flags, TextLines& out);

// Decodes file bytes the same way (used where bytes are at hand already).
std::u16string DecodeText(const std::vector<std::uint8_t>& bytes, std::uint32_t flags);
// Splits text into lines at CR LF pairs.
std::vector<std::u16string> SplitCrLfLines(std::u16string_view text);

}  // namespace tessera
