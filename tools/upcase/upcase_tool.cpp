#include "tools/upcase/upcase_tool.h"

#include "platform/text.h"
#include "tools/common/slash_options.h"

namespace tessera::tools {

namespace {

constexpr std::u16string_view kUsage[] = {u"upcase [/U] [filename]",
                                          u" /U  指定のファイルは Unicode"};

}  // namespace

UpcaseOptions ParseUpcaseCommandLine(std::u16string_view text, std::u16string_view directory) {
  UpcaseOptions options;
  const auto nameStart = ReadSlashOptions(text, [&options](char16_t letter) {
    switch (letter) {
      case u'H':
        options.usage = true;
        return OptionLetter::Stop;
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
    out.WriteLine(kInputReadError);
    (void)out.Flush();
    return kExitFailure;
  }
  out.Write(UpcaseText(*text));
  if (!out.Flush().ok()) {
    out.WriteLine(kOutputWriteError);
    (void)out.Flush();
    return kExitFailure;
  }
  return 0;
}

}  // namespace tessera::tools
