// The user's language from the locale variables.
#include "platform/locale.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

namespace tessera::platform {
namespace {

TEST(LocaleLanguage, NamesOfLocales) {
  EXPECT_EQ(LanguageIdOfLocale("zh_CN.UTF-8"), 2052);
  EXPECT_EQ(LanguageIdOfLocale("zh_CN"), 2052);
  EXPECT_EQ(LanguageIdOfLocale("zh_TW.Big5"), 1028);
  EXPECT_EQ(LanguageIdOfLocale("ja_JP.UTF-8"), 1041);
  EXPECT_EQ(LanguageIdOfLocale("ja_JP.eucJP@mod"), 1041);
  EXPECT_EQ(LanguageIdOfLocale("en_US.UTF-8"), 1033);
  EXPECT_EQ(LanguageIdOfLocale("en_GB.UTF-8"), 2057);
  EXPECT_EQ(LanguageIdOfLocale("de_DE@euro"), 1031);
  EXPECT_EQ(LanguageIdOfLocale("fr_CA"), 3084);
  EXPECT_EQ(LanguageIdOfLocale("pt_BR.UTF-8"), 1046);
  EXPECT_EQ(LanguageIdOfLocale("ko_KR.UTF-8"), 1042);
  // Written another way, or a language alone, or a country the table
  // does not know: the language's main country.
  EXPECT_EQ(LanguageIdOfLocale("zh-cn"), 2052);
  EXPECT_EQ(LanguageIdOfLocale("JA"), 1041);
  EXPECT_EQ(LanguageIdOfLocale("en_NL.UTF-8"), 1033);
  EXPECT_EQ(LanguageIdOfLocale("ja"), 1041);
  // No language.
  for (const char* none : {"C", "C.UTF-8", "POSIX", "", "_CN", "xx_YY", "klingon"})
    EXPECT_EQ(LanguageIdOfLocale(none), 0) << none;
}

TEST(LocaleLanguage, LocaleOfAnIdentifier) {
  EXPECT_EQ(LocaleOfLanguageId(2052), "zh_CN");
  EXPECT_EQ(LocaleOfLanguageId(1041), "ja_JP");
  EXPECT_EQ(LocaleOfLanguageId(1033), "en_US");
  EXPECT_EQ(LocaleOfLanguageId(1252), "");
  for (std::uint16_t id : {1028, 1031, 1036, 1046, 2057, 3082})
    EXPECT_EQ(LanguageIdOfLocale(LocaleOfLanguageId(id)), id) << id;
}

// Sets the three variables for one test and puts them back afterwards.
class LocaleVariables {
 public:
  LocaleVariables() {
    for (std::size_t i = 0; i < 3; ++i) {
      const char* value = getenv(kNames[i]);
      saved_[i] = value ? std::optional<std::string>(value) : std::nullopt;
    }
  }
  ~LocaleVariables() {
    for (std::size_t i = 0; i < 3; ++i) Set(kNames[i], saved_[i] ? saved_[i]->c_str() : nullptr);
  }
  void Set(const char* name, const char* value) {
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }

 private:
  static constexpr const char* kNames[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
  std::optional<std::string> saved_[3];
};

TEST(LocaleLanguage, LcAllThenLcMessagesThenLangDecide) {
  LocaleVariables variables;
  variables.Set("LC_ALL", "ja_JP.UTF-8");
  variables.Set("LC_MESSAGES", "zh_CN.UTF-8");
  variables.Set("LANG", "en_US.UTF-8");
  EXPECT_EQ(UserUiLanguage(), 1041);
  variables.Set("LC_ALL", "");  // empty counts as not set
  EXPECT_EQ(UserUiLanguage(), 2052);
  variables.Set("LC_MESSAGES", nullptr);
  EXPECT_EQ(UserUiLanguage(), 1033);
  // The variable that decides names no language: there is none, whatever
  // the others say.
  variables.Set("LC_MESSAGES", "C.UTF-8");
  EXPECT_EQ(UserUiLanguage(), 0);
  variables.Set("LC_MESSAGES", nullptr);
  variables.Set("LANG", nullptr);
  EXPECT_EQ(UserUiLanguage(), 0);
}

}  // namespace
}  // namespace tessera::platform
