// The window's texts from the resource module, as the toolkit wants them.
#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>
#include <utility>

class QWidget;

namespace tessera::ui {

// A string of the active resource module.
QString ResourceString(std::uint32_t id);
QString DialogTitle(std::uint32_t dialog);
QString ControlText(std::uint32_t dialog, std::uint32_t control);
// The text of a command in a menu resource (the soft keys of small dialogs
// are the items of menu 144).
QString MenuItemText(std::uint32_t menu, std::uint32_t command);

// Sets a dialog's title and the texts of its controls (buttons, labels,
// group boxes) from its dialog resource.
void ApplyDialogTexts(QWidget* dialog, std::uint32_t dialogId,
                      std::initializer_list<std::pair<std::uint32_t, QWidget*>> controls);

// A menu text without its accelerator hint (the part from the first tab).
QString WithoutHint(const QString& text);

}  // namespace tessera::ui
