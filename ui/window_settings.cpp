#include "ui/window_settings.h"

#include <array>

#include "shell/resources.h"
#include "shell/settings.h"
#include "ui/console_face.h"
#include "ui/menu_hints.h"
#include "ui/resource_text.h"

namespace tessera::ui {

namespace {

// Strings of the fixed font labels, Font 1..4.
constexpr int kFontLabelStrings = 37011;

std::u16string Numbered(std::u16string_view stem, int number, std::u16string_view tail = u"") {
  std::u16string key(stem);
  for (char c : std::to_string(number)) key.push_back(static_cast<char16_t>(c));
  key.append(tail);
  return key;
}

QString ToQString(const std::u16string& text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<int, 4> kDefaultFontSizes = {7, 9, 12, 18};

}  // namespace

QColor ColorFromSetting(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

std::int32_t SettingFromColor(const QColor& color) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(color.red()) |
                                   static_cast<std::uint32_t>(color.green()) << 8 |
                                   static_cast<std::uint32_t>(color.blue()) << 16);
}

QColor ReadTextColor() {
  return ColorFromSetting(ReadSettingInt(kSettingsSection, u"COLOR_TEXT", 0x00FF00));
}

QColor ReadBackgroundColor() {
  return ColorFromSetting(ReadSettingInt(kSettingsSection, u"COLOR_BACKGROUND", 0x000000));
}

int ReadFontIndex() {
  const std::int32_t index = ReadSettingInt(kSettingsSection, u"FONT_SIZE", 1);
  return index >= 0 && index <= 3 ? index : 1;
}

FontEntry ReadFontEntry(int index) {
  const int number = index + 1;
  const int defaultSize = kDefaultFontSizes[static_cast<std::size_t>(index)];
  FontEntry entry;
  entry.face = ToQString(
      ReadSettingString(kSettingsSection, Numbered(u"FONT", number, u"_NAME"), u"Tahoma"));
  entry.size = ReadSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_SIZE"), defaultSize);
  if (entry.size < kSmallestFontSize || entry.size > kLargestFontSize) entry.size = defaultSize;
  entry.bold = ReadSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_BOLD"), 0) == 1;
  entry.italic = ReadSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_ITALIC"), 0) == 1;
  return entry;
}

bool WriteFontEntry(int index, const FontEntry& entry) {
  const int number = index + 1;
  const std::u16string face = entry.face.toStdU16String();
  return WriteSettingString(kSettingsSection, Numbered(u"FONT", number, u"_NAME"), face).ok() &&
         WriteSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_SIZE"), entry.size).ok() &&
         WriteSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_BOLD"), entry.bold ? 1 : 0)
             .ok() &&
         WriteSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_ITALIC"),
                         entry.italic ? 1 : 0)
             .ok();
}

QFont ConsoleFontOf(const FontEntry& entry) {
  QFont font(InstalledConsoleFace(entry.face));
  font.setPointSize(entry.size);
  font.setBold(entry.bold);
  font.setItalic(entry.italic);
  return font;
}

QFont ReadConsoleFont(int index) { return ConsoleFontOf(ReadFontEntry(index)); }

QString FontMenuLabel(int index) {
  const int number = index + 1;
  QString label;
  if (ReadSettingInt(kSettingsSection, u"FONT_LABEL_FORMAT", 1) == 1) {
    const QFont font = ReadConsoleFont(index);
    label = QStringLiteral("%1:%2pt(&%3)\tCtrl+%3")
                .arg(font.family())
                .arg(font.pointSize())
                .arg(number);
  } else {
    const std::u16string text =
        LoadResourceString(static_cast<std::uint32_t>(kFontLabelStrings + index));
    label = text.empty() ? QStringLiteral("Font&%1\tCtrl+%1").arg(number) : ToQString(text);
  }
  return MenuHintsRemoved() ? WithoutHint(label) : label;
}

void StoreWindowSetting(std::u16string_view key, std::int32_t value) {
  static_cast<void>(WriteSettingInt(kSettingsSection, key, value).ok());
}

bool ReadWordWrap() { return ReadSettingInt(kSettingsSection, u"TEXT_WORD_WRAP", 1) != 0; }

}  // namespace tessera::ui
