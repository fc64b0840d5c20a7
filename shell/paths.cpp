#include "shell/paths.h"

#include <vector>

#include "platform/directory_watch.h"
#include "platform/files.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

void TakeComponents(std::u16string_view text, std::vector<std::u16string_view>& parts) {
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == u'\\') ++i;
    i = SkipBlanksFrom(text, i);
    const std::size_t start = i;
    while (i < text.size() && text[i] != u'\\') ++i;
    const std::u16string_view part = text.substr(start, i - start);
    if (part.empty() || part == u".") continue;
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    parts.push_back(part);
  }
}

// The directory last found to exist with its way watched: until the watch
// reports a change it is still there, and asking again costs no system call
// (the prompt asks for every echoed batch line).
struct KnownDirectory {
  std::u16string path;
  bool known = false;
};

KnownDirectory& Known() {
  static KnownDirectory known;
  return known;
}

bool DirectoryExists(const std::u16string& directory) {
  KnownDirectory& known = Known();
  if (known.known && known.path == directory && platform::WatchedDirectoryUnchanged()) return true;
  const std::u16string forPlatform = DirectoryForPlatform(directory);
  // The watch starts before the look, so that no change after it goes unseen.
  const bool watched = platform::WatchDirectory(forPlatform);
  const bool exists = platform::IsDirectory(forPlatform);
  known.path = directory;
  known.known = watched && exists;
  return exists;
}

}  // namespace

std::u16string JoinPath(std::u16string_view base, std::u16string_view relative) {
  std::vector<std::u16string_view> parts;
  TakeComponents(base, parts);
  TakeComponents(relative, parts);
  std::u16string out;
  for (const auto& part : parts) {
    out += u'\\';
    out += part;
  }
  return out;
}

std::u16string DirectoryForPlatform(std::u16string_view directory) {
  if (directory.empty()) return u"\\";
  return std::u16string(directory);
}

ContextValue* GetCurrentDirectoryValue(ShellContext& context) {
  ContextValue* entry = context.FindValue(kCurDir, kFindOnly);
  if (!entry) return nullptr;
  if (!entry->value) entry->value = std::u16string();
  if (!DirectoryExists(*entry->value)) entry->value = std::u16string();
  return entry;
}

std::u16string ReplaceFileName(std::u16string_view path, std::u16string_view name) {
  const std::size_t slash = path.rfind(u'\\');
  if (slash == std::u16string_view::npos) return std::u16string();
  std::u16string out(path.substr(0, slash));
  out += u'\\';
  out += name;
  return out;
}

std::u16string MakeAbsolute(ShellContext& context, std::u16string_view name) {
  if (!name.empty() && name[0] == u'\\') return std::u16string(name);
  const ContextValue* current = GetCurrentDirectoryValue(context);
  const std::u16string base = (current && current->value) ? *current->value : std::u16string();
  return JoinPath(base, name);
}

}  // namespace tessera
