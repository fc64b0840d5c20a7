#include "commands/echo_command.h"

#include <string>

#include "launch/redirection.h"
#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/text.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

enum class Encoding { Default, Ansi, Utf16 };

struct EchoOptions {
  Encoding encoding = Encoding::Default;
  bool noText = false;
  std::size_t textStart = 0;  // where the text after the options begins
};

EchoOptions ReadOptions(std::u16string_view text) {
  EchoOptions options;
  std::size_t i = SkipBlanksFrom(text, 0);
  while (i < text.size() && text[i] == u'/') {
    const std::size_t end = WordEnd(text, true, i);
    if (end > i + 1) {
      switch (platform::ToUpper(text[i + 1])) {
        case u'A':
          options.encoding = Encoding::Ansi;
          break;
        case u'U':
          options.encoding = Encoding::Utf16;
          break;
        case u'N':
          options.noText = true;
          break;
        default:
          break;
      }
    }
    i = SkipBlanksFrom(text, end);
    if (end == i && end < text.size()) break;  // an operator character ends the options
  }
  options.textStart = i;
  return options;
}

ResultCode Fail(ShellContext& context, std::uint32_t message, std::u16string_view argument) {
  ShowError(static_cast<std::int32_t>(message), argument);
  SetErrorLevel(context, 1);
  return kFileError;
}

ResultCode EchoToConsole(ShellContext& context, std::u16string_view text,
                         const EchoOptions& options) {
  if (options.noText) {
    PrintLine(u"");
    return kOk;
  }
  const std::u16string_view rest = text.substr(options.textStart);
  if (!rest.empty() && rest[0] == u'"') {
    PrintLine(text);
    return kOk;
  }
  const std::u16string_view first = rest.substr(0, WordEnd(rest, true));
  if (!first.empty()) {
    if (platform::StartsWithNoCase(u"ON", first)) {
      context.Set(kEchoMode, u"ON", kValueHidden | kValueNotDeletable);
      return kOk;
    }
    if (platform::StartsWithNoCase(u"OFF", first)) {
      context.Set(kEchoMode, u"OFF", kValueHidden | kValueNotDeletable);
      return kOk;
    }
  }
  PrintLine(text);
  return kOk;
}

ResultCode EchoToFile(ShellContext& context, const RedirectSpec& redirect,
                      const EchoOptions& options) {
  const std::u16string& target = redirect.outputPath;
  const auto info = platform::GetFileInfo(target);
  const bool exists = info.ok();
  if (exists && (info->attributes & platform::kAttrDirectory))
    return Fail(context, msg::kOutputIsDirectory, target);
  if (exists && (info->attributes & platform::kAttrReadOnly))
    return Fail(context, msg::kFileIsReadOnly, target);

  bool utf16 = UnicodeTextMode(context);
  if (options.encoding == Encoding::Utf16) utf16 = true;
  if (options.encoding == Encoding::Ansi) utf16 = false;

  std::u16string text;
  if (utf16 && (!exists || !redirect.append)) text += u'\xFEFF';
  if (!options.noText) text += std::u16string_view(redirect.argumentText).substr(options.textStart);
  text += u"\r\n";

  std::string bytes;
  if (utf16) {
    bytes = platform::WideToMultiByte(text, platform::kCodePageUtf16Le).value();
  } else {
    bytes = platform::WideToAnsi(text);
  }

  auto file = platform::File::Open(
      target, redirect.append ? platform::OpenMode::Append : platform::OpenMode::CreateAlways);
  if (!file.ok()) return Fail(context, msg::kWriteFailed, target);
  const platform::Status written = file->Write(bytes.data(), bytes.size());
  const platform::Status closed = file->Close();
  if (!written.ok() || !closed.ok()) return Fail(context, msg::kWriteFailed, target);
  return kOk;
}

}  // namespace

bool UnicodeTextMode(const ShellContext& context) {
  const std::u16string* value = context.GetValueText(kTextCode);
  return value && platform::StartsWithNoCase(*value, u"unicode");
}

ResultCode EchoCommand(CommandCall& call) {
  ShellContext& context = call.context;
  if (call.arguments.empty()) {
    const std::u16string* mode = context.GetValueText(kEchoMode);
    if (!context.FindValue(kEchoMode)) {
      SetErrorLevel(context, 1);
      return kInvalidArgument;
    }
    PrintLine(
        FormatMessage(GetMessageText(msg::kEchoIs), {mode ? std::u16string_view(*mode) : u""}));
    return kOk;
  }
  const RedirectSpec redirect = ParseRedirections(call.arguments, context);
  const EchoOptions options = ReadOptions(redirect.argumentText);
  if (redirect.outputPath.empty()) return EchoToConsole(context, redirect.argumentText, options);
  return EchoToFile(context, redirect, options);
}

}  // namespace tessera
