// The user's default user-interface language, from the locale variables.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessera::platform {

// The language identifier of a locale name such as "zh_CN.UTF-8", "ja_JP",
// "en_US@euro" or "de": 2052 for zh_CN, 1041 for ja_JP, 1033 for en_US, and
// so on for the common languages and countries; a language without its
// country gives the language's main country. 0 for "C", "POSIX" and every
// name not known.
std::uint16_t LanguageIdOfLocale(std::string_view locale);

// The locale name of a language identifier ("zh_CN" for 2052); empty for
// an identifier the table does not know.
std::string_view LocaleOfLanguageId(std::uint16_t id);

// The user's language: the first of LC_ALL, LC_MESSAGES and LANG that is
// set and not empty decides, as it does for the messages of other programs.
// 0 when none is set or the one that decides names no known language.
std::uint16_t UserUiLanguage();

}  // namespace tessera::platform
