#include "ui/window_strings.h"

#include "shell/resources.h"
#include "ui/qt_text.h"

namespace tessera::ui {

QString WindowString(std::uint32_t id) {
  if (id == 0) return {};
  const std::u16string text = LoadResourceString(id);
  if (!text.empty()) return ToQString(text);
  switch (id) {
    case kLabelConsoleFocus:
      return QStringLiteral("Fn");
    case kLabelBarFocus:
      return QStringLiteral("Input");
    case kLabelCommandRunning:
      return QStringLiteral("Stop");
    case kPrefixScroll:
      return QStringLiteral("Scroll: ");
    case kPrefixFunctionKeys:
      return QStringLiteral("Fn Key: ");
    case kPrefixFind:
      return QStringLiteral("Find: ");
    case kTitleOpen:
      return QStringLiteral("Open");
    case kTitleSelectPath:
      return QStringLiteral("Select Path");
    default:
      return QStringLiteral("****");
  }
}

QString ApplicationTitle() {
  const std::u16string title = LoadResourceString(57344);
  return title.empty() ? QStringLiteral("Tessera") : ToQString(title);
}

}  // namespace tessera::ui
