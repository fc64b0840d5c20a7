#include "ui/first_start_fonts.h"

#include <QFontDatabase>
#include <string>

#include "shell/resources.h"
#include "shell/settings.h"
#include "ui/qt_text.h"

namespace tessera::ui {

namespace {

constexpr std::uint32_t kStringConsoleFace = 30044;
constexpr std::u16string_view kDefaultFace = u"Tahoma";

std::u16string FaceKey(int number) {
  return u"FONT" + std::u16string(1, static_cast<char16_t>(u'0' + number)) + u"_NAME";
}

}  // namespace

bool StoreFirstStartFonts() {
  for (int number = 1; number <= 4; ++number) {
    if (!ReadSettingString(kSettingsSection, FaceKey(number), u"").empty()) return false;
  }
  std::u16string face = LoadResourceString(kStringConsoleFace);
  if (face.empty() || !QFontDatabase::hasFamily(ToQString(face))) face = kDefaultFace;
  bool stored = true;
  for (int number = 1; number <= 4; ++number)
    stored = WriteSettingString(kSettingsSection, FaceKey(number), face).ok() && stored;
  return stored;
}

}  // namespace tessera::ui
