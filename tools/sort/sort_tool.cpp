#include "tools/sort/sort_tool.h"

#include <algorithm>

#include "tools/common/file_argument.h"
#include "tools/common/line_reader.h"
#include "tools/sort/line_order.h"

namespace tessera::tools {

namespace {

constexpr std::size_t kLineBuffer = 1024;

constexpr std::u16string_view kUsage[] = {
    u"sort [/R] [/U] [filename]", u"", u" /U   入力ファイルは Unicode", u" /R   降順でソート",
    u" filename  入力ファイル",
};

constexpr std::u16string_view kReadError = u"入力ファイルの読み込みでエラーが発生しました。";
constexpr std::u16string_view kWriteError = u"データの出力中にエラーが発生しました。";

}  // namespace

SortOptions ParseSortCommandLine(std::u16string_view text, std::u16string_view directory) {
  SortOptions options;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const char16_t c = text[pos];
    if (IsBlank(c)) {
      ++pos;
      continue;
    }
    if (c != u'/') break;
    ++pos;
    const char16_t letter = pos < text.size() ? text[pos] : u'\0';
    switch (letter) {
      case u'H':
      case u'h':
        options.usage = true;
        return options;
      case u'Q':
      case u'q':
        options.unique = true;
        ++pos;
        break;
      case u'R':
      case u'r':
        options.descending = true;
        ++pos;
        break;
      case u'U':
      case u'u':
        options.unicode = true;
        ++pos;
        break;
      default:
        break;  // only the slash is taken; the letter begins the name
    }
  }
  if (pos < text.size()) {
    FileArgument argument = ReadFileArgument(text, pos, NameEnd::RestOfText, directory);
    if (!argument.path.empty()) options.file = std::move(argument.path);
  }
  return options;
}

std::vector<std::u16string_view> SplitSortLines(std::u16string_view text, bool unicode) {
  std::vector<std::u16string_view> lines;
  LineReader reader(text, kLineBuffer);
  std::u16string_view line;
  while (reader.Next(line)) {
    if (unicode) {
      if (line.size() >= 2 && line.substr(line.size() - 2) == u"\r\n") line.remove_suffix(2);
    } else if (!line.empty() && line.back() == u'\n') {
      line.remove_suffix(1);
    }
    lines.push_back(line);
  }
  return lines;
}

void SortLines(std::vector<std::u16string_view>& lines, bool descending, bool unique) {
  StableSortByCodeUnit(lines, descending);
  if (unique) lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

int RunSort(const ToolContext& context) {
  ToolOutput& out = *context.output;
  const SortOptions options = ParseSortCommandLine(context.commandLine, context.directory);
  if (options.usage) {
    for (const auto line : kUsage) out.WriteLine(line);
    return out.Flush().ok() ? 0 : kExitFailure;
  }
  auto text = ReadToolInput(context, options.file, options.unicode, options.unicode);
  if (!text) {
    out.WriteLine(kReadError);
    (void)out.Flush();
    return kExitFailure;
  }
  std::vector<std::u16string_view> lines = SplitSortLines(*text, options.unicode);
  SortLines(lines, options.descending, options.unique);
  // The sorted lines lie all over the text: ask for them a little ahead.
  constexpr std::size_t kAhead = 16;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i + kAhead < lines.size()) __builtin_prefetch(lines[i + kAhead].data());
    out.WriteLine(lines[i]);
  }
  if (!out.Flush().ok()) {
    out.WriteLine(kWriteError);
    (void)out.Flush();
    return kExitFailure;
  }
  return 0;
}

}  // namespace tessera::tools
