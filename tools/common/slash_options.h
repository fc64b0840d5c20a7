// The "/X" options at the start of a tool's command line, before the file
// name, and the texts the text tools share.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "tools/common/file_argument.h"

namespace tessera::tools {

inline constexpr std::u16string_view kInputReadError =
    u"入力ファイルの読み込みでエラーが発生しました。";
inline constexpr std::u16string_view kOutputWriteError = u"データの出力中にエラーが発生しました。";

enum class OptionLetter {
  Taken,    // the letter was an option
  Unknown,  // only the slash is taken; the letter begins the name
  Stop,     // stop reading (the usage text was asked for)
};

// Calls take(letter) with each option letter in upper case (0 when the text
// ends after a slash). Gives the position where the file name begins, or
// nothing when take answered Stop.
template <typename Take>
std::optional<std::size_t> ReadSlashOptions(std::u16string_view text, Take&& take) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char16_t c = text[pos];
    if (IsBlank(c)) {
      ++pos;
      continue;
    }
    if (c != u'/') break;
    ++pos;
    char16_t letter = pos < text.size() ? text[pos] : u'\0';
    if (letter >= u'a' && letter <= u'z') letter = static_cast<char16_t>(letter - u'a' + u'A');
    switch (take(letter)) {
      case OptionLetter::Taken:
        ++pos;
        break;
      case OptionLetter::Unknown:
        break;
      case OptionLetter::Stop:
        return std::nullopt;
    }
  }
  return pos;
}

// The rest of the text from pos as one file name (blanks included), made
// absolute in directory; nothing when there is none.
inline std::optional<std::u16string> ReadRestAsFileName(std::u16string_view text, std::size_t pos,
                                                        std::u16string_view directory) {
  if (pos >= text.size()) return std::nullopt;
  FileArgument argument = ReadFileArgument(text, pos, NameEnd::RestOfText, directory);
  if (argument.path.empty()) return std::nullopt;
  return std::move(argument.path);
}

}  // namespace tessera::tools
