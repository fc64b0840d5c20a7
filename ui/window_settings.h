// The settings the window reads: console colours and fonts (the function
// keys' settings are the shell's, shared with the terminal).
#pragma once

#include <QColor>
#include <QFont>
#include <string>

#include "shell/function_keys.h"

namespace tessera::ui {

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
