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
std::int32_t SettingFromColor(const QColor& color);
QColor ReadTextColor();
QColor ReadBackgroundColor();

// FONT_SIZE: the current font 0..3.
int ReadFontIndex();

// What the settings say of one of the four console fonts.
struct FontEntry {
  QString face;
  int size = 9;  // points, 1..144
  bool bold = false;
  bool italic = false;
  bool operator==(const FontEntry&) const = default;
};
inline constexpr int kSmallestFontSize = 1;
inline constexpr int kLargestFontSize = 144;
// Font 0..3 from FONTn_NAME, FONTn_SIZE, FONTn_BOLD, FONTn_ITALIC; a size
// out of range gives the font's default size.
FontEntry ReadFontEntry(int index);
// Writes the four settings of font 0..3; false when one could not be written.
bool WriteFontEntry(int index, const FontEntry& entry);
// The font the console draws font 0..3 with (an installed face in place of
// one that is not installed).
QFont ConsoleFontOf(const FontEntry& entry);
QFont ReadConsoleFont(int index);
// The Font menu's label of font 0..3: face name and size, or "Font&n"
// (FONT_LABEL_FORMAT 0), with its shortcut after a tab unless menu hints
// are removed.
QString FontMenuLabel(int index);
// TEXT_WORD_WRAP.
bool ReadWordWrap();

// Stores a setting of the window at shutdown; one that cannot be written
// keeps its old value, which is all that can be done then.
void StoreWindowSetting(std::u16string_view key, std::int32_t value);

}  // namespace tessera::ui
