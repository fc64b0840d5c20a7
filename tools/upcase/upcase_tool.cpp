#include "tools/upcase/upcase_tool.h"

#include "platform/text.h"
#include "tools/common/file_argument.h"

namespace tessera::tools {

namespace {

constexpr std::u16string_view kUsage[] = {u"upcase [/U] [filename]",
                                          u" /U  指定のファイルは Unicode"};
constexpr std::u16string_view kReadError = u"入力ファイルの読み込みでエラーが発生しました。";
constexpr std::u16string_view kWriteError = u"データの出力中にエラーが発生しました。";

}  // namespace

UpcaseOptions ParseUpcaseCommandLine(std::u16string_view text, std::u16string_view directory) {
  UpcaseOptions options;
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
    if (letter == u'H' || letter == u'h') {
      options.usage = true;
      return options;
    }
    if (letter == u'U' || letter == u'u') {
      options.unicode = true;
      ++pos;
    }
  }
  if (pos < text.size()) {
    FileArgument argument = ReadFileArgument(text, pos, NameEnd::RestOfText, directory);
    if (!argument.path.empty()) options.file = std::move(argument.path);
  }
  return options;
}

std::u16string UpcaseText(std::u16string_view text) { return platform::ToUpper(text); }

int RunUpcase(const ToolContext& context) {
  ToolOutput& out = *context.output;
  const UpcaseOptions options = ParseUpcaseCommandLine(context.commandLine, context.directory);
  if (options.usage) {
    for (const auto line : kUsage) out.WriteLine(line);
    return out.Flush().ok() ? 0 : kExitFailure;
  }
  // A byte-order mark of a named file is skipped whatever the mode.
  auto text = ReadToolInput(context, options.file, options.unicode, options.file.has_value());
  if (!text) {
    out.WriteLine(kReadError);
    (void)out.Flush();
    return kExitFailure;
  }
  out.Write(UpcaseText(*text));
  if (!out.Flush().ok()) {
    out.WriteLine(kWriteError);
    (void)out.Flush();
    return kExitFailure;
  }
  return 0;
}

}  // namespace tessera::tools
