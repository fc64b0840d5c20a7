#include "tools/tsxkf/tsxkf_options.h"

#include "tools/common/file_argument.h"

namespace tessera::tools {

namespace {

std::u16string_view ReadWord(std::u16string_view text, std::size_t& pos) {
  pos = SkipBlanks(text, pos);
  const std::size_t start = pos;
  while (pos < text.size() && !IsBlank(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

std::u16string Trim(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return TrimTrailingBlanks(text);
}

// One file name: quoted up to the closing quote, else one word.
std::u16string ReadName(std::u16string_view text, std::size_t& pos) {
  pos = SkipBlanks(text, pos);
  if (pos >= text.size()) return {};
  if (text[pos] == u'"') {
    const std::size_t close = text.find(u'"', pos + 1);
    const std::size_t stop = close == std::u16string_view::npos ? text.size() : close;
    std::u16string name = Trim(text.substr(pos + 1, stop - pos - 1));
    pos = close == std::u16string_view::npos ? text.size() : close + 1;
    return name;
  }
  return std::u16string(ReadWord(text, pos));
}

std::u16string Absolute(std::u16string name, std::u16string_view directory) {
  if (name.empty() || name.front() == u'\\' || directory.empty()) return name;
  return NormalizeDevicePath(std::u16string(directory) + name);
}

}  // namespace

TsxkfOptions ParseTsxkfCommandLine(std::u16string_view text, std::u16string_view directory) {
  TsxkfOptions options;
  std::size_t pos = SkipBlanks(text, 0);
  while (pos < text.size() && text[pos] == u'/') {
    const char16_t letter = pos + 1 < text.size() ? text[pos + 1] : u'\0';
    if (letter == u'H' || letter == u'h') {
      options.usage = true;
      return options;
    }
    if (letter == u'I' || letter == u'i' || letter == u'O' || letter == u'o') {
      pos += 2;
      const Encoding code = ParseEncodingKeyword(ReadWord(text, pos));
      const bool input = letter == u'I' || letter == u'i';
      if (code == kUnknown) {
        options.errorMessage = input ? 9 : 10;
        return options;
      }
      (input ? options.input : options.output) = code;
    } else if (letter == u'N' || letter == u'n') {
      pos += 2;
      const LineEnd end = ParseLineEndKeyword(ReadWord(text, pos));
      if (end == kNoLineEnd) {
        options.errorMessage = 11;
        return options;
      }
      options.lineEnd = end;
    } else {
      ++pos;  // the letter begins the input file name
      break;
    }
    pos = SkipBlanks(text, pos);
  }
  if (SkipBlanks(text, pos) >= text.size()) {
    options.usage = true;
    return options;
  }
  options.inputFile = Absolute(ReadName(text, pos), directory);
  std::u16string output = ReadName(text, pos);
  if (!output.empty()) options.outputFile = Absolute(std::move(output), directory);
  return options;
}

}  // namespace tessera::tools
