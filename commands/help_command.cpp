#include "commands/help_command.h"

#include "platform/device.h"
#include "platform/files.h"
#include "platform/text.h"
#include "shell/execute.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/message_overrides.h"
#include "shell/output.h"

namespace tessera {

namespace {

constexpr std::size_t kHelpLinePiece = 259;
// The names of one entry, each with its terminator, fit in this many units.
constexpr std::size_t kHelpNamesRoom = 260;

constexpr std::u16string_view kCmdMarker = u"<!--CMD-->";
constexpr std::u16string_view kBriefMarker = u"<!--BRIEF-->";
constexpr std::u16string_view kHelpMarker = u"<!--HELP-->";

enum class Section { Outside, Names, Brief };

std::optional<std::vector<std::u16string>> ReadHelpFile() {
  std::u16string folder = platform::ProgramDirectory();
  if (folder.empty()) return std::nullopt;
  if (folder.back() == u'\\') folder.pop_back();
  auto bytes = platform::ReadWholeFile(folder + HelpFileName());
  if (!bytes.ok()) return std::nullopt;
  return SplitHelpLines(*bytes);
}

void ShowOneEntry(std::u16string_view name, const std::vector<std::u16string>& lines) {
  const auto entry = FindHelpEntry(lines, name);
  if (!entry) {
    ShowError(msg::kNoHelpEntry);
    return;
  }
  // The entry's help stands after its brief, up to the next entry.
  std::size_t i = *entry + 1;
  while (i < lines.size() && lines[i] != kBriefMarker) ++i;
  while (i < lines.size() && lines[i] != kHelpMarker) ++i;
  for (++i; i < lines.size() && lines[i] != kCmdMarker; ++i) PrintText(lines[i]);
}

void ShowList(const std::vector<std::u16string>& lines) {
  Section section = Section::Outside;
  std::vector<std::u16string> names;
  std::size_t namesRoom = 0;
  bool briefShown = false;
  for (const auto& line : lines) {
    switch (section) {
      case Section::Outside:
        if (line == kCmdMarker) {
          section = Section::Names;
          names.clear();
          namesRoom = 0;
          briefShown = false;
        }
        break;
      case Section::Names:
        if (line == kBriefMarker) {
          section = Section::Brief;
        } else if (namesRoom + line.size() + 1 <= kHelpNamesRoom) {
          names.push_back(line);
          namesRoom += line.size() + 1;
        }
        break;
      case Section::Brief:
        if (line == kHelpMarker) {
          section = Section::Outside;
        } else if (!briefShown) {
          briefShown = true;
          if (names.empty()) break;
          PrintLine(FormatMessage(u"-------------\r\n[%s]\r\n%s", {names[0], line}));
          const std::u16string same = FormatMessage(GetMessageText(msg::kSameAs), {names[0]});
          for (std::size_t i = 1; i < names.size(); ++i) {
            PrintLine(FormatMessage(u"-------------\r\n[%s]\r\n%s", {names[i], same}));
          }
        }
        break;
    }
  }
}

}  // namespace

std::vector<std::u16string> SplitHelpLines(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::u16string> lines;
  std::u16string piece;
  auto finish = [&]() {
    // CR LF ends a line; a bare LF is taken the same way so that files
    // saved with Linux line ends still work.
    if (!piece.empty() && piece.back() == u'\n') piece.pop_back();
    if (!piece.empty() && piece.back() == u'\r') piece.pop_back();
    lines.push_back(std::move(piece));
    piece.clear();
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char16_t c = static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
    piece += c;
    if (c == u'\n' || piece.size() >= kHelpLinePiece) finish();
  }
  if (!piece.empty()) finish();
  // A byte-order mark in front of the first line is no part of it.
  if (!lines.empty() && !lines.front().empty() && lines.front().front() == u'\xFEFF')
    lines.front().erase(0, 1);
  return lines;
}

std::optional<std::size_t> FindHelpEntry(const std::vector<std::u16string>& lines,
                                         std::u16string_view name) {
  Section section = Section::Outside;
  std::size_t entry = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::u16string& line = lines[i];
    switch (section) {
      case Section::Outside:
        if (line == kCmdMarker) {
          section = Section::Names;
          entry = i;
        }
        break;
      case Section::Names:
        if (line == kBriefMarker) {
          section = Section::Brief;
        } else if (platform::StartsWithNoCase(line, name)) {
          return entry;
        }
        break;
      case Section::Brief:
        if (line == kHelpMarker) section = Section::Outside;
        break;
    }
  }
  return std::nullopt;
}

ResultCode ShowCommandHelp(std::u16string_view word, ShellContext&) {
  const auto lines = ReadHelpFile();
  if (!lines) return kOk;
  if (lines->empty()) {
    ShowError(msg::kNoHelpEntry);
    return kOk;
  }
  if (word.empty()) {
    ShowList(*lines);
  } else {
    ShowOneEntry(word, *lines);
  }
  return kOk;
}

ResultCode HelpCommand(CommandCall& call) {
  const std::u16string_view name = call.arguments.substr(0, call.arguments.find_first_of(u" \t"));
  return ShowCommandHelp(name, call.context);
}

}  // namespace tessera
