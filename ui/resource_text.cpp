#include "ui/resource_text.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "shell/resources.h"

namespace tessera::ui {

namespace {

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString ResourceString(std::uint32_t id) { return ToQString(LoadResourceString(id)); }

QString DialogTitle(std::uint32_t dialog) { return ToQString(LoadDialogTitle(dialog)); }

QString ControlText(std::uint32_t dialog, std::uint32_t control) {
  return ToQString(LoadControlText(dialog, control));
}

QString MenuItemText(std::uint32_t menu, std::uint32_t command) {
  if (const TesseraMenu* found = LoadMenuResource(menu)) {
    for (const TesseraMenuItem& item : ItemsOf(*found)) {
      if (item.kind == kMenuItem && item.command == command && item.text)
        return ToQString(item.text);
    }
  }
  return {};
}

void ApplyDialogTexts(QWidget* dialog, std::uint32_t dialogId,
                      std::initializer_list<std::pair<std::uint32_t, QWidget*>> controls) {
  dialog->setWindowTitle(DialogTitle(dialogId));
  for (const auto& [control, widget] : controls) {
    const QString text = ControlText(dialogId, control);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      group->setTitle(text);
    } else {
      widget->setWindowTitle(text);
    }
  }
}

QString WithoutHint(const QString& text) {
  const qsizetype tab = text.indexOf(QChar(u'\t'));
  return tab < 0 ? text : text.left(tab);
}

}  // namespace tessera::ui
