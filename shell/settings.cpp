#include "shell/settings.h"

#include "platform/registry.h"

namespace tessera {

namespace {

using platform::ErrorCode;
using platform::Result;
using platform::Status;

std::u16string& Title() {
  static std::u16string title = u"Tessera";
  return title;
}

// An empty section would put values into the application's own key and an
// empty name would be that key's default value: neither is a setting.
bool ValidNames(std::u16string_view section, std::u16string_view key) {
  return !section.empty() && !key.empty();
}

std::u16string SectionPath(std::u16string_view section) {
  std::u16string path = u"Software\\Verdane\\";
  path += Title();
  path += u'\\';
  path += section;
  return path;
}

Result<platform::RegistryValue> ReadSetting(std::u16string_view section, std::u16string_view key) {
  if (!ValidNames(section, key)) return ErrorCode::InvalidParameter;
  Result<platform::Registry> registry = platform::DeviceRegistry();
  if (!registry) return registry.error();
  Result<platform::RegistryKey> sectionKey =
      platform::OpenKey(registry->Root(platform::RegistryRoot::CurrentUser), SectionPath(section));
  if (!sectionKey) return sectionKey.error();
  return platform::QueryValue(*sectionKey, key);
}

Status WriteSetting(std::u16string_view section, std::u16string_view key, std::uint32_t type,
                    const std::vector<std::uint8_t>& data) {
  if (!ValidNames(section, key)) return ErrorCode::InvalidParameter;
  Result<platform::Registry> registry = platform::DeviceRegistry();
  if (!registry) return registry.error();
  Result<platform::CreatedKey> sectionKey = platform::CreateKey(
      registry->Root(platform::RegistryRoot::CurrentUser), SectionPath(section));
  if (!sectionKey) return sectionKey.error();
  return platform::SetValue(sectionKey->key, key, type, data);
}

}  // namespace

const std::u16string& SettingsApplicationTitle() { return Title(); }

void SetSettingsApplicationTitle(std::u16string title) {
  if (!title.empty()) Title() = std::move(title);
}

std::int32_t ReadSettingInt(std::u16string_view section, std::u16string_view key,
                            std::int32_t defaultValue) {
  Result<platform::RegistryValue> value = ReadSetting(section, key);
  if (!value || value->type != platform::kRegDword) return defaultValue;
  Result<std::uint32_t> number = platform::DwordFromValueData(value->data);
  return number ? static_cast<std::int32_t>(*number) : defaultValue;
}

std::u16string ReadSettingString(std::u16string_view section, std::u16string_view key,
                                 std::u16string_view defaultValue) {
  Result<platform::RegistryValue> value = ReadSetting(section, key);
  if (!value || value->type != platform::kRegString) return std::u16string(defaultValue);
  return platform::StringFromValueData(value->data);
}

Status WriteSettingInt(std::u16string_view section, std::u16string_view key, std::int32_t value) {
  return WriteSetting(section, key, platform::kRegDword,
                      platform::DwordValueData(static_cast<std::uint32_t>(value)));
}

Status WriteSettingString(std::u16string_view section, std::u16string_view key,
                          std::u16string_view value) {
  // The stored string ends at its first zero; text holding one would come
  // back cut short.
  if (value.find(u'\0') != std::u16string_view::npos) return ErrorCode::InvalidParameter;
  return WriteSetting(section, key, platform::kRegString, platform::StringValueData(value));
}

Status DeleteSetting(std::u16string_view section, std::u16string_view key) {
  if (!ValidNames(section, key)) return ErrorCode::InvalidParameter;
  Result<platform::Registry> registry = platform::DeviceRegistry();
  if (!registry) return registry.error();
  Result<platform::RegistryKey> sectionKey =
      platform::OpenKey(registry->Root(platform::RegistryRoot::CurrentUser), SectionPath(section));
  if (!sectionKey) {
    return sectionKey.error() == ErrorCode::FileNotFound ? Status::Ok() : sectionKey.error();
  }
  const Status deleted = platform::DeleteValue(*sectionKey, key);
  return deleted.ok() || deleted.error() == ErrorCode::FileNotFound ? Status::Ok() : deleted;
}

}  // namespace tessera
