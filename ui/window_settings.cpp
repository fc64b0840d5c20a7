#include "ui/window_settings.h"

#include <array>

#include "shell/resources.h"
#include "shell/settings.h"
#include "ui/console_face.h"

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

QFont ReadConsoleFont(int index) {
  const int number = index + 1;
  QFont font(InstalledConsoleFace(ToQString(
      ReadSettingString(kSettingsSection, Numbered(u"FONT", number, u"_NAME"), u"Tahoma"))));
  int size = ReadSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_SIZE"),
                            kDefaultFontSizes[static_cast<std::size_t>(index)]);
  if (size < 1 || size > 144) size = kDefaultFontSizes[static_cast<std::size_t>(index)];
  font.setPointSize(size);
  font.setBold(ReadSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_BOLD"), 0) == 1);
  font.setItalic(ReadSettingInt(kSettingsSection, Numbered(u"FONT", number, u"_ITALIC"), 0) == 1);
  return font;
}

QString FontMenuLabel(int index) {
  const int number = index + 1;
  if (ReadSettingInt(kSettingsSection, u"FONT_LABEL_FORMAT", 1) == 1) {
    const QFont font = ReadConsoleFont(index);
    return QStringLiteral("%1:%2pt(&%3)\tCtrl+%3")
        .arg(font.family())
        .arg(font.pointSize())
        .arg(number);
  }
  const std::u16string label =
      LoadResourceString(static_cast<std::uint32_t>(kFontLabelStrings + index));
  if (!label.empty()) return ToQString(label);
  return QStringLiteral("Font&%1\tCtrl+%1").arg(number);
}

void StoreWindowSetting(std::u16string_view key, std::int32_t value) {
  static_cast<void>(WriteSettingInt(kSettingsSection, key, value).ok());
}

bool ReadWordWrap() { return ReadSettingInt(kSettingsSection, u"TEXT_WORD_WRAP", 1) != 0; }

}  // namespace tessera::ui
