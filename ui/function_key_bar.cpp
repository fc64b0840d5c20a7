#include "ui/function_key_bar.h"

#include <QGridLayout>

#include "ui/window_settings.h"

namespace tessera::ui {

FunctionKeyBar::FunctionKeyBar(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setSpacing(2);
  for (int button = 1; button <= kFunctionKeyCount; ++button) {
    auto* key = new QPushButton(this);
    key->setObjectName(QStringLiteral("f%1").arg(button));
    keys_[static_cast<std::size_t>(button - 1)] = key;
    grid->addWidget(key, (button - 1) / 5, (button - 1) % 5);
    connect(key, &QPushButton::clicked, this,
            [this, button] { emit keyClicked(settings_[static_cast<std::size_t>(button - 1)]); });
  }
  auto add = [this, grid](const char* text, int row, int column, void (FunctionKeyBar::*signal)()) {
    auto* fixed = new QPushButton(QString::fromLatin1(text), this);
    fixed->setObjectName(QString::fromLatin1(text));
    grid->addWidget(fixed, row, column);
    connect(fixed, &QPushButton::clicked, this, signal);
  };
  add("SP", 0, 5, &FunctionKeyBar::spaceClicked);
  add("BS", 0, 6, &FunctionKeyBar::backspaceClicked);
  add("Enter", 1, 5, &FunctionKeyBar::enterClicked);
  add("X", 1, 6, &FunctionKeyBar::closeClicked);
  Rebuild();
}

void FunctionKeyBar::Rebuild() {
  const bool tenKeys = ReadShowTenKeys();
  for (int button = 1; button <= kFunctionKeyCount; ++button) {
    QPushButton* key = keys_[static_cast<std::size_t>(button - 1)];
    const int setting = SettingOfButton(button, tenKeys);
    settings_[static_cast<std::size_t>(button - 1)] = setting;
    key->setVisible(setting != 0);
    if (setting == 0) continue;
    const std::u16string label = ReadFunctionKey(setting).label;
    key->setText(label.empty() ? QStringLiteral("f%1").arg(button)
                               : QString::fromUtf16(label.data(), static_cast<qsizetype>(label.size())));
  }
}

QPushButton* FunctionKeyBar::firstKey() { return keys_[0]; }

}  // namespace tessera::ui
