// The file browser's three settings: the list style, the sort key and the
// option bits. The program reads them once at start and writes them back
// at the end; they can also be kept under a registry key of the caller's.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/registry.h"
#include "platform/result.h"

namespace tessera::browser {

inline constexpr std::u16string_view kBrowserSettingsSection = u"STR_SETTINGS";
inline constexpr std::u16string_view kListStyleSetting = u"STR_FILE_SELECT_LIST_STYLE";
inline constexpr std::u16string_view kSortKeySetting = u"STR_FILE_SELECT_LIST_SORT_KEY";
inline constexpr std::u16string_view kCommonModeSetting = u"STR_FILE_SELECT_COMMON_MODE";

enum ListStyle : std::int32_t { kListStyleIcon = 0, kListStyleList = 1, kListStyleDetail = 2 };

// Option bits of the common mode that the browser gives a meaning; the
// others are kept as they are.
inline constexpr std::uint32_t kModeShowFolders = 0x10;
inline constexpr std::uint32_t kModeMultipleSelection = 0x800;
inline constexpr std::uint32_t kModeShortcutsAsFiles = 0x1000;
inline constexpr std::uint32_t kModeHideShortcuts = 0x2000;
inline constexpr std::uint32_t kModeShowHidden = 0x4000;

struct BrowserSettings {
  std::int32_t listStyle = kListStyleList;
  std::int32_t sortKey = 0;
  std::uint32_t commonMode = 0x1A00810;

  bool operator==(const BrowserSettings&) const = default;
};

// Names of the three values under a caller's registry key.
struct BrowserSettingNames {
  std::u16string_view listStyle = kListStyleSetting;
  std::u16string_view sortKey = kSortKeySetting;
  std::u16string_view commonMode = kCommonModeSetting;
};

// From the settings store's section "STR_SETTINGS"; the default for each
// value that is missing or not a number.
BrowserSettings ReadBrowserSettings();
platform::Status WriteBrowserSettings(const BrowserSettings& settings);

// As 32-bit number values of key under the names given.
BrowserSettings ReadBrowserSettings(const platform::RegistryKey& key,
                                    const BrowserSettingNames& names);
platform::Status WriteBrowserSettings(const platform::RegistryKey& key,
                                      const BrowserSettingNames& names,
                                      const BrowserSettings& settings);

// The program's copy, which the dialogs read and change.
BrowserSettings& CurrentBrowserSettings();
// Reads the program's copy from the settings store (at start).
void LoadBrowserSettings();
// Writes the program's copy back (at the end).
platform::Status StoreBrowserSettings();

}  // namespace tessera::browser
