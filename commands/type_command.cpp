#include "commands/type_command.h"

#include "platform/files.h"
#include "platform/text.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/paths.h"
#include "shell/scanner.h"
#include "shell/text_lines.h"
#include "shell/text_stream.h"

namespace tessera {

namespace {

constexpr std::int32_t kIsDirectory = 13;
constexpr std::int32_t kBadOption = 18;
constexpr std::int32_t kFileMissing = 67;
constexpr std::int32_t kNameTheFile = 84;
constexpr std::size_t kMaxCountDigits = 64;
constexpr std::size_t kDefaultCount = 10;

struct TypeOptions {
  std::uint32_t readFlags = 0;
  enum class Range { All, Head, Tail } range = Range::All;
  std::size_t count = kDefaultCount;
};

// Reads the option groups; gives the rest of the text, or none after a
// message.
std::optional<std::u16string_view> ReadOptions(std::u16string_view text, TypeOptions& options) {
  text = SkipBlanks(text);
  while (!text.empty() && text[0] == u'/') {
    std::size_t i = 1;
    while (i < text.size() && !IsBlank(text[i])) {
      const char16_t letter = platform::ToUpper(text[i++]);
      if (letter == u'S') {
        options.readFlags = kTextAnsi;
      } else if (letter == u'U') {
        options.readFlags = kTextUtf16;
      } else if (letter == u'H' || letter == u'T') {
        std::size_t digits = SkipBlanksFrom(text, i);
        std::size_t end = digits;
        while (end < text.size() && text[end] >= u'0' && text[end] <= u'9') ++end;
        if (end - digits > kMaxCountDigits) {
          ShowError(kBadOption, letter == u'H' ? u"/H" : u"/T");
          return std::nullopt;
        }
        std::size_t count = kDefaultCount;
        if (end > digits) {
          count = 0;
          for (std::size_t k = digits; k < end; ++k) {
            const std::size_t digit = static_cast<std::size_t>(text[k] - u'0');
            count = count > (SIZE_MAX - digit) / 10 ? SIZE_MAX : count * 10 + digit;
          }
          i = end;
        }
        options.range = letter == u'H' ? TypeOptions::Range::Head : TypeOptions::Range::Tail;
        options.count = count;
      }
    }
    text = SkipBlanks(text.substr(i));
  }
  return text;
}

// The number of lines of the text as shown.
std::size_t CountLines(TextLineStream& stream) {
  std::size_t lines = 0;
  TextLineStream::Part part;
  while (stream.Next(part)) {
    if (part.endsLine) ++lines;
  }
  return lines;
}

// Shows at most `limit` lines, from line `first` on, each followed by the
// stop check.
void ShowLines(TextLineStream& stream, std::size_t first, std::size_t limit) {
  std::size_t line = 0;
  std::size_t shown = 0;
  LinePrinter printer;
  TextLineStream::Part part;
  while (shown < limit && stream.Next(part)) {
    if (!part.endsLine) {
      if (line >= first) printer.Add(part.text);
    } else if (line++ >= first) {
      printer.End(part.text);
      ++shown;
      if (PollForStop()) return;
    }
  }
}

}  // namespace

std::u16string_view PathArgument(std::u16string_view text) {
  text = SkipBlanks(text);
  if (!text.empty() && text[0] == u'"') {
    const std::size_t close = text.find(u'"', 1);
    return close == std::u16string_view::npos ? text.substr(1) : text.substr(1, close - 1);
  }
  return TrimTrailingView(text);
}

ResultCode TypeCommand(CommandCall& call) {
  ShellContext& context = call.context;
  TypeOptions options;
  const std::optional<std::u16string_view> rest = ReadOptions(call.arguments, options);
  if (!rest) {
    SetErrorLevel(context, 1);
    return kInvalidArgument;
  }
  const std::u16string_view name = PathArgument(*rest);
  if (name.empty()) {
    ShowError(kNameTheFile);
    SetErrorLevel(context, 1);
    return kInvalidArgument;
  }
  const std::u16string path = MakeAbsolute(context, name);
  const auto info = platform::GetFileInfo(DirectoryForPlatform(path));
  if (!info.ok()) {
    ShowError(kFileMissing, path);
    SetErrorLevel(context, 1);
    return kFileError;
  }
  if (info->attributes & platform::kAttrDirectory) {
    ShowError(kIsDirectory, path);
    SetErrorLevel(context, 1);
    return kFileError;
  }
  // Read a block at a time: a file of any size is shown in bounded memory,
  // the console keeping only its last lines.
  TextLineStream stream;
  // Shown text is a terminated string: it ends at the first NUL character,
  // which is where a UTF-16 file read as ANSI stops (its first zero byte).
  if (stream.Open(path, options.readFlags, true) != kOk) return kOk;
  std::size_t first = 0;
  std::size_t limit = SIZE_MAX;
  if (options.range == TypeOptions::Range::Head) {
    limit = options.count;
  } else if (options.range == TypeOptions::Range::Tail) {
    const std::size_t lines = CountLines(stream);
    if (stream.Rewind() != kOk) return kOk;
    const std::size_t lastIndex = lines == 0 ? 0 : lines - 1;
    first = options.count >= lastIndex ? 0 : lastIndex - options.count;
  }
  ShowLines(stream, first, limit);
  return kOk;
}

}  // namespace tessera
