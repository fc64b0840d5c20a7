#include "ui/window_strings.h"

#include "shell/resources.h"
#include "ui/qt_text.h"

namespace tessera::ui {

namespace {
constexpr std::uint32_t kStringApplicationTitle = 57344;
}  // namespace

QString WindowString(std::uint32_t id) {
  if (id == 0) return {};
  const std::u16string text = LoadResourceString(id);
  return text.empty() ? QStringLiteral("****") : ToQString(text);
}

QString ApplicationTitle() {
  const std::u16string title = LoadResourceString(kStringApplicationTitle);
  return title.empty() ? QStringLiteral("Tessera") : ToQString(title);
}

}  // namespace tessera::ui
