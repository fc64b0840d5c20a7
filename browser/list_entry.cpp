#include "browser/list_entry.h"

#include <array>
#include <utility>

#include "browser/browser_paths.h"
#include "platform/text.h"

namespace tessera::browser {

namespace {

struct KnownExtension {
  std::u16string_view extension;
  IconGroup group;
};

constexpr std::array<KnownExtension, 16> kKnownExtensions = {{
    {u"txt", IconGroup::Text},
    {u"ini", IconGroup::Text},
    {u"inf", IconGroup::Text},
    {u"jpg", IconGroup::Image},
    {u"jpeg", IconGroup::Image},
    {u"gif", IconGroup::Image},
    {u"png", IconGroup::Image},
    {u"bmp", IconGroup::Image},
    {u"2bp", IconGroup::Image},
    {u"htm", IconGroup::Page},
    {u"html", IconGroup::Page},
    {u"wav", IconGroup::Sound},
    {u"mp3", IconGroup::Sound},
    {u"mid", IconGroup::Sound},
    {u"midi", IconGroup::Sound},
    {u"exe", IconGroup::Program},
}};

int GroupIcon(IconGroup group) {
  switch (group) {
    case IconGroup::Text:
      return kIconText;
    case IconGroup::Image:
      return kIconImage;
    case IconGroup::Sound:
      return kIconSound;
    case IconGroup::Page:
      return kIconPage;
    case IconGroup::Program:
      return kIconProgram;
    case IconGroup::Other:
      break;
  }
  return kIconOther;
}

}  // namespace

bool ListEntry::isParent() const { return isFolder() && data.name == kParentName; }

ListEntry EntryOf(platform::FindData found) {
  ListEntry entry;
  entry.fileName = found.name;
  entry.data = std::move(found);
  return entry;
}

ListEntry ParentEntry() {
  platform::FindData parent;
  parent.name = kParentName;
  parent.info.attributes = platform::kAttrDirectory;
  return EntryOf(std::move(parent));
}

IconGroup IconGroupOf(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  if (dot == std::u16string_view::npos) return IconGroup::Other;
  const std::u16string_view extension = name.substr(dot + 1);
  for (const KnownExtension& known : kKnownExtensions) {
    if (platform::EqualsNoCase(extension, known.extension)) return known.group;
  }
  return IconGroup::Other;
}

int IconOf(const ListEntry& entry) {
  switch (entry.shortcut) {
    case ShortcutState::Broken:
      return kIconBrokenShortcut;
    case ShortcutState::Followed:
      return entry.isFolder() ? kIconFolderShortcut : GroupIcon(IconGroupOf(entry.target)) + 1;
    case ShortcutState::None:
      break;
  }
  return entry.isFolder() ? kIconFolder : GroupIcon(IconGroupOf(entry.data.name));
}

}  // namespace tessera::browser
