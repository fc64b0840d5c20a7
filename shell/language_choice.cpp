#include "shell/language_choice.h"

#include <string>

#include "platform/locale.h"
#include "shell/language_library.h"
#include "shell/resources.h"
#include "shell/settings.h"

namespace tessera {

namespace {

struct LanguageInUse {
  platform::SharedLibrary library;
  std::u16string path;
  std::uint16_t languageId = kBuiltInLanguageId;
};

LanguageInUse& InUse() {
  static LanguageInUse inUse;
  return inUse;
}

void Use(LanguageProbe& probe, std::u16string_view path) {
  LanguageInUse& inUse = InUse();
  inUse.languageId = probe.languageId;
  if (probe.builtIn) return;
  inUse.library = std::move(probe.library);
  inUse.path = path;
  SetActiveResources(probe.resources);
}

}  // namespace

void ChooseStartupLanguage() { ChooseStartupLanguage(platform::UserUiLanguage()); }

void ChooseStartupLanguage(std::uint16_t userLanguage) {
  ReleaseLanguageLibrary();
  const std::u16string stored = ReadSettingString(kSettingsSection, u"UI_LANG_DLL_PATH", u"");
  if (LanguageProbe probe = ProbeLanguage(stored); probe.accepted) {
    Use(probe, stored);
    return;
  }
  // A stored choice that no longer loads is left as it is: the user chose
  // once, and the program's own resources serve until they choose again.
  if (ReadSettingInt(kSettingsSection, u"UI_LANG_ID", 0) != 0) return;
  // A locale that names no language (C, POSIX, none) prefers no library:
  // the libraries are not loaded only to find that out on every start.
  if (userLanguage == 0) return;
  const LanguageList list = EnumerateLanguages(userLanguage);
  if (list.paths.size() <= 1 || list.preferred.empty()) return;
  LanguageProbe probe = ProbeLanguage(list.preferred);
  if (!probe.accepted || probe.languageId == 0) return;
  Use(probe, list.preferred);
  // Remembered so that later starts keep it whatever the locale then says.
  static_cast<void>(WriteSettingInt(kSettingsSection, u"UI_LANG_ID", probe.languageId).ok());
  static_cast<void>(WriteSettingString(kSettingsSection, u"UI_LANG_DLL_PATH", list.preferred).ok());
}

bool ApplyLanguageChoice(std::u16string_view path) {
  const LanguageProbe probe = ProbeLanguage(path);
  if (!probe.accepted) return false;
  return WriteSettingString(kSettingsSection, u"UI_LANG_DLL_PATH", path).ok() &&
         WriteSettingInt(kSettingsSection, u"UI_LANG_ID", probe.languageId).ok() &&
         WriteSettingString(kSettingsSection, u"HELP_BRIEF_PATH", probe.helpBriefFile).ok() &&
         WriteSettingString(kSettingsSection, u"CMD_RESOURCE_PATH", probe.messageFile).ok();
}

std::uint16_t CurrentUiLanguage() { return InUse().languageId; }

const std::u16string& CurrentLanguageLibraryPath() { return InUse().path; }

void ReleaseLanguageLibrary() {
  SetActiveResources(nullptr);
  InUse() = LanguageInUse();
}

}  // namespace tessera
