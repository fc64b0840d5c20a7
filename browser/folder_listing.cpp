#include "browser/folder_listing.h"

#include "browser/browser_paths.h"
#include "browser/file_filter.h"
#include "browser/shortcut.h"
#include "platform/files.h"

namespace tessera::browser {

namespace {

bool IsRoot(std::u16string_view folder) {
  return folder.find_first_not_of(u'\\') == std::u16string_view::npos;
}

// The last component of a device path.
std::u16string_view BaseName(std::u16string_view path) {
  const std::size_t slash = path.rfind(u'\\');
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

// The entry as it is listed, or nothing when the options leave it out.
std::optional<ListEntry> Listed(std::u16string_view folder, platform::FindData found,
                                const ListOptions& options) {
  if ((found.info.attributes & platform::kAttrHidden) && !options.showHidden) return std::nullopt;
  ListEntry entry = EntryOf(std::move(found));
  const bool shortcut = !entry.isFolder() && IsShortcutName(entry.fileName);
  if (shortcut && options.shortcuts == ShortcutView::Hide) return std::nullopt;
  if (shortcut && options.shortcuts == ShortcutView::Follow) {
    if (auto followed = FollowShortcut(ChildPath(folder, entry.fileName))) {
      entry.shortcut = ShortcutState::Followed;
      entry.data.name.resize(entry.data.name.size() - 4);  // without ".lnk"
      entry.data.info.attributes = followed->info.attributes;
      entry.target = std::move(followed->target);
    } else {
      entry.shortcut = ShortcutState::Broken;
    }
  }
  if (entry.isFolder()) {
    if (!options.showFolders) return std::nullopt;
    return entry;
  }
  if (MatchesFilter(options.patterns, entry.data.name)) return entry;
  if (entry.shortcut == ShortcutState::Followed &&
      MatchesFilter(options.patterns, BaseName(entry.target)))
    return entry;
  return std::nullopt;
}

}  // namespace

platform::Result<std::vector<ListEntry>> ListFolder(std::u16string_view folder,
                                                    const ListOptions& options) {
  const auto info = platform::GetFileInfo(IsRoot(folder) ? u"\\" : folder);
  if (!info.ok()) return info.error();
  if (!(info->attributes & platform::kAttrDirectory)) return platform::ErrorCode::NotADirectory;
  auto found = platform::FindFiles(ChildPath(folder, u"*.*"));
  if (!found.ok() && found.error() != platform::ErrorCode::FileNotFound) return found.error();

  std::vector<ListEntry> entries;
  if (options.showFolders && !IsRoot(folder)) entries.push_back(ParentEntry());
  if (!found.ok()) return entries;
  for (platform::FindData& data : *found) {
    if (auto entry = Listed(folder, std::move(data), options)) entries.push_back(std::move(*entry));
  }
  return entries;
}

}  // namespace tessera::browser
