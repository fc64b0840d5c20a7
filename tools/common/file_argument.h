// File names on a tool's command line and how they are made absolute.
#pragma once

#include <string>
#include <string_view>

namespace tessera::tools {

inline bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Index of the first character at or after pos that is not a space or tab.
std::size_t SkipBlanks(std::u16string_view text, std::size_t pos);
// Removes trailing spaces and tabs.
std::u16string TrimTrailingBlanks(std::u16string_view text);

// Where an unquoted name ends.
enum class NameEnd {
  RestOfText,  // blanks inside belong to the name (sort, upcase)
  FirstBlank,  // the name is one word (diff, which takes two names)
};

struct FileArgument {
  std::u16string path;  // directory part and name, trailing blanks removed
  std::size_t end = 0;  // index just after the name (after its closing quote)
};

// Reads the file name that starts at pos: quoted (blanks after the opening
// quote skipped, up to the closing quote or the end), or unquoted up to
// `end`. A name beginning with '\' is taken as it is; any other is joined to
// `directory` (the shell's current directory, ending in '\', or empty when
// no shell is running, so that the name stays as given).
FileArgument ReadFileArgument(std::u16string_view text, std::size_t pos, NameEnd end,
                              std::u16string_view directory);

// A device path rebuilt from its parts: each part trimmed, "." dropped, ".."
// removing itself and the part before it, every part preceded by '\'; the
// empty result is "\".
std::u16string NormalizeDevicePath(std::u16string_view path);

}  // namespace tessera::tools
