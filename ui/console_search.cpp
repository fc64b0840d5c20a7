#include "ui/console_search.h"

namespace tessera::ui {

namespace {

// The last match starting before limit, scanning matches without overlap.
std::optional<qsizetype> LastMatchBefore(const QString& text, const QString& needle,
                                         qsizetype limit, Qt::CaseSensitivity sensitivity) {
  std::optional<qsizetype> last;
  qsizetype from = 0;
  for (;;) {
    const qsizetype found = text.indexOf(needle, from, sensitivity);
    if (found < 0 || found >= limit) break;
    last = found;
    from = found + needle.size();
  }
  return last;
}

}  // namespace

std::optional<qsizetype> FindInConsoleText(const QString& text, qsizetype selectionStart,
                                           qsizetype selectionEnd, const QString& needle,
                                           bool backward, bool caseSensitive) {
  if (needle.isEmpty()) return std::nullopt;
  const Qt::CaseSensitivity sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
  if (!backward) {
    const qsizetype found = text.indexOf(needle, selectionEnd, sensitivity);
    if (found >= 0) return found;
    const qsizetype first = text.indexOf(needle, 0, sensitivity);
    if (selectionStart > 0 && first >= 0 && first < selectionStart) return first;
    return std::nullopt;
  }
  if (auto found = LastMatchBefore(text, needle, selectionStart, sensitivity)) return found;
  if (selectionStart != text.size() && text.indexOf(needle, selectionEnd, sensitivity) >= 0) {
    return LastMatchBefore(text, needle, text.size(), sensitivity);
  }
  return std::nullopt;
}

}  // namespace tessera::ui
