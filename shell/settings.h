// The settings store: named integer and string settings of the program,
// kept in the device registry under
// HKCU\Software\Verdane\<application title>\<section>. Values are read on
// demand and written at once; nothing is cached.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace tessera {

// The section of the program's general settings.
inline constexpr std::u16string_view kSettingsSection = u"SETTINGS";

// The title whose key holds the settings; "Tessera" until set.
const std::u16string& SettingsApplicationTitle();
// Changes that title (an empty title is refused and keeps the current one).
void SetSettingsApplicationTitle(std::u16string title);

// A 32-bit number setting, or defaultValue when it is missing, not a 32-bit
// number, or cannot be read.
std::int32_t ReadSettingInt(std::u16string_view section, std::u16string_view key,
                            std::int32_t defaultValue);
// A string setting, or defaultValue when it is missing, not a string, or
// cannot be read.
std::u16string ReadSettingString(std::u16string_view section, std::u16string_view key,
                                 std::u16string_view defaultValue);
// Writes a 32-bit number setting, committed when this returns ok.
platform::Status WriteSettingInt(std::u16string_view section, std::u16string_view key,
                                 std::int32_t value);
// Writes a string setting, committed when this returns ok (text holding a
// zero unit is refused).
platform::Status WriteSettingString(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view value);
// Removes a setting; ok when it is gone (also when it was never there).
platform::Status DeleteSetting(std::u16string_view section, std::u16string_view key);

}  // namespace tessera
