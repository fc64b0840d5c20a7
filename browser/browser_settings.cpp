#include "browser/browser_settings.h"

#include <initializer_list>

#include "shell/settings.h"

namespace tessera::browser {

namespace {

std::uint32_t ReadDword(const platform::RegistryKey& key, std::u16string_view name,
                        std::uint32_t defaultValue) {
  const auto value = platform::QueryValue(key, name);
  if (!value.ok() || value->type != platform::kRegDword) return defaultValue;
  const auto number = platform::DwordFromValueData(value->data);
  return number.ok() ? *number : defaultValue;
}

platform::Status WriteDword(const platform::RegistryKey& key, std::u16string_view name,
                            std::uint32_t number) {
  return platform::SetValue(key, name, platform::kRegDword, platform::DwordValueData(number));
}

// The first failure of several writes, all of which are tried.
platform::Status FirstFailure(std::initializer_list<platform::Status> statuses) {
  for (const platform::Status& status : statuses) {
    if (!status.ok()) return status;
  }
  return platform::Status::Ok();
}

}  // namespace

BrowserSettings ReadBrowserSettings() {
  const BrowserSettings defaults;
  BrowserSettings settings;
  settings.listStyle =
      ReadSettingInt(kBrowserSettingsSection, kListStyleSetting, defaults.listStyle);
  settings.sortKey = ReadSettingInt(kBrowserSettingsSection, kSortKeySetting, defaults.sortKey);
  settings.commonMode = static_cast<std::uint32_t>(ReadSettingInt(
      kBrowserSettingsSection, kCommonModeSetting, static_cast<std::int32_t>(defaults.commonMode)));
  return settings;
}

platform::Status WriteBrowserSettings(const BrowserSettings& settings) {
  return FirstFailure(
      {WriteSettingInt(kBrowserSettingsSection, kListStyleSetting, settings.listStyle),
       WriteSettingInt(kBrowserSettingsSection, kSortKeySetting, settings.sortKey),
       WriteSettingInt(kBrowserSettingsSection, kCommonModeSetting,
                       static_cast<std::int32_t>(settings.commonMode))});
}

BrowserSettings ReadBrowserSettings(const platform::RegistryKey& key,
                                    const BrowserSettingNames& names) {
  const BrowserSettings defaults;
  BrowserSettings settings;
  settings.listStyle = static_cast<std::int32_t>(
      ReadDword(key, names.listStyle, static_cast<std::uint32_t>(defaults.listStyle)));
  settings.sortKey = static_cast<std::int32_t>(
      ReadDword(key, names.sortKey, static_cast<std::uint32_t>(defaults.sortKey)));
  settings.commonMode = ReadDword(key, names.commonMode, defaults.commonMode);
  return settings;
}

platform::Status WriteBrowserSettings(const platform::RegistryKey& key,
                                      const BrowserSettingNames& names,
                                      const BrowserSettings& settings) {
  return FirstFailure(
      {WriteDword(key, names.listStyle, static_cast<std::uint32_t>(settings.listStyle)),
       WriteDword(key, names.sortKey, static_cast<std::uint32_t>(settings.sortKey)),
       WriteDword(key, names.commonMode, settings.commonMode)});
}

BrowserSettings& CurrentBrowserSettings() {
  static BrowserSettings settings;
  return settings;
}

void LoadBrowserSettings() { CurrentBrowserSettings() = ReadBrowserSettings(); }

platform::Status StoreBrowserSettings() { return WriteBrowserSettings(CurrentBrowserSettings()); }

}  // namespace tessera::browser
