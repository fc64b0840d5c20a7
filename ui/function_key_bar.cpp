#include "ui/function_key_bar.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <algorithm>

#include "ui/resource_text.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

constexpr int kKeysPerRow = 5;
// The dialog resource with the texts of the bar's fixed buttons.
constexpr std::uint32_t kFunctionKeyBarDialog = 112;

}  // namespace

FunctionKeyBar::FunctionKeyBar(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->setSpacing(2);
  for (int button = 1; button <= kFunctionKeyCount; ++button) {
    auto* key = new QPushButton(this);
    key->setObjectName(QStringLiteral("f%1").arg(button));
    keys_[static_cast<std::size_t>(button - 1)] = key;
    grid->addWidget(key, (button - 1) / kKeysPerRow, (button - 1) % kKeysPerRow);
    connect(key, &QPushButton::clicked, this,
            [this, button] { emit keyClicked(settings_[static_cast<std::size_t>(button - 1)]); });
    key->installEventFilter(this);
  }
  struct Fixed {
    const char* name;
    std::uint32_t control;
    int row, column, span;
    void (FunctionKeyBar::*signal)();
  };
  const Fixed fixed[] = {{"SP", 1006, 0, 5, 1, &FunctionKeyBar::spaceClicked},
                         {"BS", 1008, 0, 6, 1, &FunctionKeyBar::backspaceClicked},
                         {"...", 1009, 0, 7, 1, &FunctionKeyBar::selectPathClicked},
                         {"Enter", 1007, 1, 5, 2, &FunctionKeyBar::enterClicked},
                         {"X", 1075, 1, 7, 1, &FunctionKeyBar::closeClicked}};
  for (std::size_t i = 0; i < std::size(fixed); ++i) {
    auto* button = new QPushButton(ControlText(kFunctionKeyBarDialog, fixed[i].control), this);
    button->setObjectName(QString::fromLatin1(fixed[i].name));
    grid->addWidget(button, fixed[i].row, fixed[i].column, 1, fixed[i].span);
    connect(button, &QPushButton::clicked, this, fixed[i].signal);
    button->installEventFilter(this);
    fixed_[i] = button;
  }
  // The keys share what the fixed buttons leave.
  for (int column = 0; column < kKeysPerRow; ++column) grid->setColumnStretch(column, 1);
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
    key->setText(label.empty()
                     ? QStringLiteral("f%1").arg(button)
                     : QString::fromUtf16(label.data(), static_cast<qsizetype>(label.size())));
  }
}

QPushButton* FunctionKeyBar::firstKey() { return keys_[0]; }

std::vector<QPushButton*> FunctionKeyBar::Row(int row) const {
  std::vector<QPushButton*> buttons;
  for (int column = 0; column < kKeysPerRow; ++column) {
    QPushButton* key = keys_[static_cast<std::size_t>(row * kKeysPerRow + column)];
    if (!key->isHidden()) buttons.push_back(key);
  }
  if (row == 0) {
    buttons.insert(buttons.end(), {fixed_[0], fixed_[1], fixed_[2]});
  } else {
    buttons.insert(buttons.end(), {fixed_[3], fixed_[4]});
  }
  return buttons;
}

void FunctionKeyBar::MoveFocus(QPushButton* from, int key) {
  for (int row = 0; row < 2; ++row) {
    const std::vector<QPushButton*> buttons = Row(row);
    const auto at = std::find(buttons.begin(), buttons.end(), from);
    if (at == buttons.end()) continue;
    const auto column = at - buttons.begin();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      const std::vector<QPushButton*> other = Row(1 - row);
      const auto target =
          std::min<std::ptrdiff_t>(column, static_cast<std::ptrdiff_t>(other.size()) - 1);
      other[static_cast<std::size_t>(target)]->setFocus(Qt::TabFocusReason);
      return;
    }
    // Left and Right run through both rows as one line of buttons.
    const bool left = key == Qt::Key_Left;
    if (left && column == 0) {
      if (row == 0) {
        emit focusGivenUp();
      } else {
        Row(0).back()->setFocus(Qt::BacktabFocusReason);
      }
      return;
    }
    if (!left && column + 1 == static_cast<std::ptrdiff_t>(buttons.size())) {
      if (row == 1) {
        emit focusGivenUp();
      } else {
        Row(1).front()->setFocus(Qt::TabFocusReason);
      }
      return;
    }
    buttons[static_cast<std::size_t>(column + (left ? -1 : 1))]->setFocus(
        left ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return;
  }
}

bool FunctionKeyBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  auto* button = qobject_cast<QPushButton*>(watched);
  const int key = static_cast<QKeyEvent*>(event)->key();
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (button) MoveFocus(button, key);
      return true;
    case Qt::Key_Escape:
      emit focusGivenUp();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (button) button->click();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}

}  // namespace tessera::ui
