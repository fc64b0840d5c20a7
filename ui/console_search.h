// Searching the console text for the find bar.
#pragma once

#include <QString>
#include <optional>

namespace tessera::ui {

// Where the next match of needle lies, searching forward from the end of
// the selection [selectionStart, selectionEnd) or backward from its start,
// wrapping round once. Positions are those of the text.
std::optional<qsizetype> FindInConsoleText(const QString& text, qsizetype selectionStart,
                                           qsizetype selectionEnd, const QString& needle,
                                           bool backward, bool caseSensitive);

}  // namespace tessera::ui
