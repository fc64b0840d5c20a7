#include "tools/sort/sort_tool.h"

#include <algorithm>

#include "tools/common/line_reader.h"
#include "tools/common/slash_options.h"
#include "tools/sort/line_order.h"

namespace tessera::tools {

namespace {

constexpr std::size_t kLineBuffer = 1024;

constexpr std::u16string_view kUsage[] = {
    u"sort [/R] [/U] [filename]", u"", u" /U   入力ファイルは Unicode", u" /R   降順でソート",
    u" filename  入力ファイル",
};

}  // namespace

SortOptions ParseSortCommandLine(std::u16string_view text, std::u16string_view directory) {
  SortOptions options;
  const auto nameStart = ReadSlashOptions(text, [&options](char16_t letter) {
    switch (letter) {
      case u'H':
        options.usage = true;
        return OptionLetter::Stop;
      case u'Q':
        options.unique = true;
        return OptionLetter::Taken;
      case u'R':
        options.descending = true;
        return OptionLetter::Taken;
      case u'U':
        options.unicode = true;
        return OptionLetter::Taken;
      default:
        return OptionLetter::Unknown;
    }
  });
  if (nameStart) options.file = ReadRestAsFileName(text, *nameStart, directory);
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
    out.WriteLine(kInputReadError);
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
    out.WriteLine(kOutputWriteError);
    (void)out.Flush();
    return kExitFailure;
  }
  return 0;
}

}  // namespace tessera::tools
