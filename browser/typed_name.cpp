#include "browser/typed_name.h"

#include "platform/files.h"
#include "shell/paths.h"

namespace tessera::browser {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string_view Unquoted(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (text.size() >= 2 && text.front() == u'"' && text.back() == u'"')
    text = text.substr(1, text.size() - 2);
  return text;
}

std::u16string Resolved(std::u16string_view folder, std::u16string_view name) {
  return ShownPath(JoinPath(name.starts_with(u'\\') ? std::u16string_view() : folder, name));
}

std::vector<std::u16string> Patterns(std::u16string_view text) {
  std::vector<std::u16string> patterns;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find(u';'), text.size());
    std::u16string_view pattern = text.substr(0, end);
    while (!pattern.empty() && IsBlank(pattern.front())) pattern.remove_prefix(1);
    while (!pattern.empty() && IsBlank(pattern.back())) pattern.remove_suffix(1);
    if (!pattern.empty()) patterns.emplace_back(pattern);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return patterns;
}

}  // namespace

std::u16string ShownPath(std::u16string_view path) {
  return path.empty() ? std::u16string(u"\\") : std::u16string(path);
}

TypedName InterpretTypedName(BrowseMode mode, std::u16string_view folder,
                             std::u16string_view typed) {
  const std::u16string_view name = Unquoted(typed);
  if (name.empty()) {
    if (mode == BrowseMode::Save) return {TypedNameAction::Stay, {}, {}};
    return {TypedNameAction::ChooseFolderShown, ShownPath(folder), {}};
  }
  const std::size_t slash = name.rfind(u'\\');
  const std::u16string_view last =
      slash == std::u16string_view::npos ? name : name.substr(slash + 1);
  if (last.find_first_of(u"*?") != std::u16string_view::npos) {
    const std::u16string_view folderPart =
        slash == std::u16string_view::npos ? std::u16string_view() : name.substr(0, slash + 1);
    const std::u16string target = Resolved(folder, folderPart);
    if (!platform::IsDirectory(target)) return {TypedNameAction::NotFound, target, {}};
    return {TypedNameAction::Filter, target, Patterns(last)};
  }
  const std::u16string path = Resolved(folder, name);
  const auto info = platform::GetFileInfo(path);
  if (info.ok() && (info->attributes & platform::kAttrDirectory))
    return {TypedNameAction::GoToFolder, path, {}};
  const bool wantsFolder = name.back() == u'\\';
  if (info.ok() && !wantsFolder) return {TypedNameAction::Choose, path, {}};
  if (wantsFolder || mode == BrowseMode::Open) return {TypedNameAction::NotFound, path, {}};
  return {TypedNameAction::Choose, path, {}};
}

}  // namespace tessera::browser
