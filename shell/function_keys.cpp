#include "shell/function_keys.h"

#include "shell/settings.h"

namespace tessera {

namespace {

std::u16string Numbered(std::u16string_view stem, int number) {
  std::u16string key(stem);
  for (char c : std::to_string(number)) key.push_back(static_cast<char16_t>(c));
  return key;
}

}  // namespace

FunctionKeySetting ReadFunctionKey(int number) {
  if (number < 1 || number > kFunctionKeyCount) return {};
  const std::u16string_view fallback =
      kDefaultFunctionKeyCommands[static_cast<std::size_t>(number - 1)];
  FunctionKeySetting key;
  key.label = ReadSettingString(kSettingsSection, Numbered(u"FKEY_LABEL", number), fallback);
  key.command = ReadSettingString(kSettingsSection, Numbered(u"FKEY_COMMAND", number), fallback);
  return key;
}

bool WriteFunctionKey(int number, const FunctionKeySetting& key) {
  if (number < 1 || number > kFunctionKeyCount) return false;
  return WriteSettingString(kSettingsSection, Numbered(u"FKEY_LABEL", number), key.label).ok() &&
         WriteSettingString(kSettingsSection, Numbered(u"FKEY_COMMAND", number), key.command).ok();
}

bool ReadShowTenKeys() { return ReadSettingInt(kSettingsSection, u"FKEY_SHOW_10_BUTTONS", 1) != 0; }

int SettingOfButton(int button, bool tenKeys) {
  if (tenKeys) return button;
  if (button == 5 || button == 10) return 0;
  return button < 5 ? button : button - 1;
}

}  // namespace tessera
