#include "browser/shortcut.h"

#include "platform/codepage.h"
#include "platform/text.h"
#include "shell/scanner.h"

namespace tessera::browser {

namespace {

constexpr std::u16string_view kShortcutExtension = u".lnk";
constexpr std::u16string_view kProgramExtension = u".exe";

bool EndsWithNoCase(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() &&
         platform::EqualsNoCase(text.substr(text.size() - suffix.size()), suffix);
}

// The first line of narrow text: up to a zero byte or a line end (CR LF,
// or a CR or LF of its own: neither can be part of a path).
std::string_view FirstLine(std::string_view bytes) {
  return bytes.substr(0, bytes.find_first_of(std::string_view("\0\r\n", 3)));
}

}  // namespace

bool IsShortcutName(std::u16string_view name) { return EndsWithNoCase(name, kShortcutExtension); }

std::optional<std::u16string> ShortcutTargetText(std::string_view bytes) {
  const std::string_view line = FirstLine(bytes);
  const std::size_t hash = line.find('#');
  if (hash == std::string_view::npos) return std::nullopt;
  std::string_view target = line.substr(hash + 1);
  if (!target.empty() && target.front() == '"') {
    target.remove_prefix(1);
    // What follows the closing quote (arguments of a program) is not part
    // of the path.
    const std::size_t close = target.find('"');
    if (close != std::string_view::npos) target = target.substr(0, close);
  } else if (!target.empty() && target.back() == '"') {
    target.remove_suffix(1);
  }
  std::u16string text = platform::AnsiToWide(target);
  TrimTrailing(text);
  return std::u16string(SkipBlanks(text));
}

std::vector<std::u16string> ShortcutCandidates(std::u16string_view target) {
  if (!target.empty() && target.front() == u'\\') return {std::u16string(target)};
  if (target.empty() || !EndsWithNoCase(target, kProgramExtension)) return {};
  return {u"\\Windows\\" + std::u16string(target), u"\\" + std::u16string(target)};
}

std::optional<FollowedShortcut> FollowShortcut(std::u16string_view path) {
  auto file = platform::File::Open(path, platform::OpenMode::Read);
  if (!file.ok()) return std::nullopt;
  std::string bytes(kShortcutReadLimit, '\0');
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const auto read = file->Read(bytes.data() + filled, bytes.size() - filled);
    if (!read.ok()) return std::nullopt;
    if (*read == 0) break;
    filled += *read;
  }
  bytes.resize(filled);
  const std::optional<std::u16string> target = ShortcutTargetText(bytes);
  if (!target) return std::nullopt;
  for (std::u16string& candidate : ShortcutCandidates(*target)) {
    if (auto info = platform::GetFileInfo(candidate); info.ok())
      return FollowedShortcut{std::move(candidate), *info};
  }
  return std::nullopt;
}

}  // namespace tessera::browser
