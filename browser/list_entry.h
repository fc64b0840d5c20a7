// One entry of the file browser's list, and the icon it shows.
#pragma once

#include <string>
#include <string_view>

#include "platform/find.h"

namespace tessera::browser {

enum class ShortcutState { None, Followed, Broken };

struct ListEntry {
  // The entry as the list shows it: the name shown, and the attributes,
  // size and times shown. A followed shortcut is shown under its name
  // without ".lnk", with its target's attributes.
  platform::FindData data;
  // The entry's own name in its folder (a shortcut's ends in ".lnk"); the
  // file operations take this one.
  std::u16string fileName;
  ShortcutState shortcut = ShortcutState::None;
  // A followed shortcut's target, a device path.
  std::u16string target;

  bool isFolder() const { return (data.info.attributes & platform::kAttrDirectory) != 0; }
  // The ".." row that leads to the parent folder.
  bool isParent() const;
};

// A plain entry found in a folder.
ListEntry EntryOf(platform::FindData found);
// The ".." row.
ListEntry ParentEntry();

// Icon groups of known name extensions (compared without regard to case).
enum class IconGroup { Text, Image, Sound, Page, Program, Other };
IconGroup IconGroupOf(std::u16string_view name);

// Icon numbers. Each known group's shortcut form is the next number.
inline constexpr int kIconText = 0;
inline constexpr int kIconFolder = 2;
inline constexpr int kIconFolderShortcut = 3;
inline constexpr int kIconImage = 4;
inline constexpr int kIconSound = 6;
inline constexpr int kIconPage = 8;
inline constexpr int kIconProgram = 10;
inline constexpr int kIconOther = 12;
inline constexpr int kIconBrokenShortcut = 14;

// The icon number an entry shows.
int IconOf(const ListEntry& entry);

}  // namespace tessera::browser
