// The settings the window reads: function keys, console colours and fonts.
#pragma once

#include <QColor>
#include <QFont>
#include <string>

namespace tessera::ui {

inline constexpr int kFunctionKeyCount = 10;

struct FunctionKeySetting {
  std::u16string label;
  std::u16string command;
};

// Setting number 1..10: FKEY_LABELn and FKEY_COMMANDn.
FunctionKeySetting ReadFunctionKey(int number);
// FKEY_SHOW_10_BUTTONS: ten keys, or eight (f5 and f10 hidden).
bool ReadShowTenKeys();
// The setting number a button f1..f10 uses; 0 when the button is hidden.
int SettingOfButton(int button, bool tenKeys);

// A 0x00BBGGRR colour value.
QColor ColorFromSetting(std::int32_t value);
QColor ReadTextColor();
QColor ReadBackgroundColor();

// FONT_SIZE: the current font 0..3.
int ReadFontIndex();
// Font 0..3 from FONTn_NAME, FONTn_SIZE, FONTn_BOLD, FONTn_ITALIC.
QFont ReadConsoleFont(int index);
// The Font menu's label of font 0..3: face name and size, or "Font&n"
// (FONT_LABEL_FORMAT 0), with its shortcut after a tab.
QString FontMenuLabel(int index);
// TEXT_WORD_WRAP.
bool ReadWordWrap();

// Stores a setting of the window at shutdown; one that cannot be written
// keeps its old value, which is all that can be done then.
void StoreWindowSetting(std::u16string_view key, std::int32_t value);

}  // namespace tessera::ui
