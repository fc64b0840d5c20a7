#include "shell/environment.h"

#include <algorithm>

#include "platform/device.h"
#include "platform/filetime.h"
#include "platform/sysinfo.h"
#include "platform/text.h"
#include "shell/current_directory.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/settings.h"

namespace tessera {

std::u16string FormatOsVersion(int major, int minor) {
  return FormatMessage(minor < 10 ? u"%d.%d0" : u"%d.%d", {major, minor});
}

namespace {

std::u16string OsVersionText() {
  auto version = platform::GetOsVersion();
  if (!version.ok()) return std::u16string();
  return FormatOsVersion(version->major, version->minor);
}

bool StreamSettingOn(std::u16string_view key) {
  return ReadSettingInt(kSettingsSection, key, 1) != 0;
}

}  // namespace

ResultCode InitContextDefaults(ShellContext& context) {
  auto put = [&context](std::u16string_view name, std::u16string_view value, std::uint32_t flags) {
    ContextValue* entry = context.FindValue(name, 0);
    entry->value = std::u16string(value);
    entry->flags = flags;
  };
  put(kCurDir, u"", kValueNotDeletable);
  PublishCurrentDirectory(u"");
  put(kEchoMode, u"ON", kValueHidden | kValueNotDeletable);
  put(kPrompt, kDefaultPrompt, kValueNotDeletable);
  const std::u16string programDirectory = platform::ProgramDirectory();
  put(kPath, programDirectory.empty() ? u"\\Windows;\\" : programDirectory + u"bin;\\Windows;\\",
      0);
  put(kErrorLevel, u"0", kValueNotDeletable);
  put(kTsxVer, kShellVersion, kValueReadOnly);
  put(kOsVer, OsVersionText(), kValueReadOnly);
  put(kSupportStdin, StreamSettingOn(u"USE_STDIN") ? u"OK" : u"NG", kValueReadOnly);
  put(kSupportStdout, StreamSettingOn(u"USE_STDOUT") ? u"OK" : u"NG", kValueReadOnly);
  return kOk;
}

std::u16string ExpandPrompt(ShellContext& context) {
  const std::u16string* echo = context.GetValueText(kEchoMode);
  if (!echo || *echo == u"OFF") return std::u16string();
  const std::u16string* promptText = context.GetValueText(kPrompt);
  if (!promptText) return std::u16string();
  const std::u16string prompt = *promptText;

  std::u16string out;
  // A piece is taken only while the text stays below the prompt buffer.
  auto fits = [&out](std::size_t more) { return out.size() + more < kPromptBuffer; };
  for (std::size_t i = 0; i < prompt.size(); ++i) {
    const char16_t c = prompt[i];
    std::u16string piece;
    std::size_t room = 0;  // room a piece needs beyond its own text
    if (c != u'$') {
      piece = std::u16string(1, c);
    } else {
      if (i + 1 >= prompt.size()) break;  // a final '$' ends the prompt
      switch (platform::ToUpper(prompt[++i])) {
        case u'A':
          piece = u"&";
          break;
        case u'B':
          piece = u"|";
          break;
        case u'C':
          piece = u"(";
          break;
        case u'D': {
          const platform::SystemTime now = platform::GetDeviceLocalTime();
          piece = FormatMessage(GetMessageText(msg::kDateFormat), {now.year, now.month, now.day});
          room = 11;
          break;
        }
        case u'F':
          piece = u")";
          break;
        case u'G':
          piece = u">";
          break;
        case u'L':
          piece = u"<";
          break;
        case u'P': {
          const ContextValue* current = GetCurrentDirectoryValue(context);
          if (current)
            piece = (current->value && !current->value->empty()) ? *current->value : u"\\";
          break;
        }
        case u'Q':
          piece = u"=";
          break;
        case u'S':
          piece = u" ";
          break;
        case u'T': {
          const platform::SystemTime now = platform::GetDeviceLocalTime();
          piece =
              FormatMessage(GetMessageText(msg::kTimeFormat), {now.hour, now.minute, now.second});
          room = 9;
          break;
        }
        case u'V':
          if (auto version = platform::GetOsVersion(); version.ok()) {
            piece = FormatOsVersion(version->major, version->minor);
          }
          break;
        case u'_':
          piece = u"\r\n";
          break;
        case u'$':
          piece = u"$";
          break;
        case u'+': {
          const std::u16string* stack = context.GetValueText(kDirStack);
          if (stack && !stack->empty()) {
            piece = std::u16string(
                static_cast<std::size_t>(std::count(stack->begin(), stack->end(), u';')) + 1, u'+');
          }
          break;
        }
        default:
          break;
      }
    }
    if (!fits(piece.size()) || !fits(room)) break;
    out += piece;
  }
  return out;
}

std::optional<std::u16string> NextPathElement(std::u16string_view& rest) {
  const std::size_t semicolon = rest.find(u';');
  const std::u16string_view element = rest.substr(0, semicolon);
  rest =
      semicolon == std::u16string_view::npos ? std::u16string_view() : rest.substr(semicolon + 1);
  if (element.empty()) {
    rest = std::u16string_view();
    return std::nullopt;
  }
  return std::u16string(element.substr(0, kMaxPathElement));
}

void PrintPrompt(ShellContext& context) {
  const std::u16string prompt = ExpandPrompt(context);
  if (!prompt.empty()) PrintText(prompt, kPrintNoLineEnd);
}

}  // namespace tessera
