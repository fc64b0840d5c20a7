#include "ui/function_key_bar.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

#include "ui/resource_text.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

constexpr int kKeysPerRow = 5;
// Between two buttons and at the bar's edges.
constexpr int kGap = 2;
// Room beside the text of a fixed button.
constexpr int kTextPadding = 6;
// The narrowest a key becomes before the window stops shrinking.
constexpr int kMinimumKeyWidth = 16;
// The dialog resource with the texts of the bar's fixed buttons.
constexpr std::uint32_t kFunctionKeyBarDialog = 112;

}  // namespace

FunctionKeyBar::FunctionKeyBar(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  for (int button = 1; button <= kFunctionKeyCount; ++button) {
    auto* key = new QPushButton(this);
    key->setObjectName(QStringLiteral("f%1").arg(button));
    keys_[static_cast<std::size_t>(button - 1)] = key;
    connect(key, &QPushButton::clicked, this,
            [this, button] { emit keyClicked(settings_[static_cast<std::size_t>(button - 1)]); });
    key->installEventFilter(this);
  }
  struct Fixed {
    const char* name;
    std::uint32_t control;
    void (FunctionKeyBar::*signal)();
  };
  const Fixed fixed[] = {{"SP", 1006, &FunctionKeyBar::spaceClicked},
                         {"BS", 1008, &FunctionKeyBar::backspaceClicked},
                         {"...", 1009, &FunctionKeyBar::selectPathClicked},
                         {"Enter", 1007, &FunctionKeyBar::enterClicked},
                         {"X", 1075, &FunctionKeyBar::closeClicked}};
  for (std::size_t i = 0; i < std::size(fixed); ++i) {
    auto* button = new QPushButton(ControlText(kFunctionKeyBarDialog, fixed[i].control), this);
    button->setObjectName(QString::fromLatin1(fixed[i].name));
    connect(button, &QPushButton::clicked, this, fixed[i].signal);
    button->installEventFilter(this);
    fixed_[i] = button;
  }
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
  LayOut();
}

int FunctionKeyBar::settingOfButton(int button) const {
  if (button < 1 || button > kFunctionKeyCount) return 0;
  return settings_[static_cast<std::size_t>(button - 1)];
}

QPushButton* FunctionKeyBar::fixedButton(const QString& name) const {
  for (QPushButton* button : fixed_) {
    if (button->objectName() == name) return button;
  }
  return nullptr;
}

int FunctionKeyBar::KeysPerRow() const { return keys_[4]->isHidden() ? 4 : kKeysPerRow; }

int FunctionKeyBar::ButtonHeight() const { return fixed_[0]->sizeHint().height(); }

int FunctionKeyBar::FixedButtonWidth() const {
  const QFontMetrics metrics(font());
  int width = ButtonHeight();
  for (QPushButton* button : {fixed_[0], fixed_[1], fixed_[2], fixed_[4]})
    width = std::max(width, metrics.horizontalAdvance(button->text()) + 2 * kTextPadding);
  const int enter = metrics.horizontalAdvance(fixed_[3]->text()) + 2 * kTextPadding;
  return std::max(width, (enter - kGap + 1) / 2);
}

int FunctionKeyBar::FixedBlockWidth() const { return 3 * FixedButtonWidth() + 3 * kGap; }

QSize FunctionKeyBar::BarSize(int keyWidth) const {
  const int keys = KeysPerRow();
  return {(keys + 1) * kGap + keys * keyWidth + FixedBlockWidth(), 3 * kGap + 2 * ButtonHeight()};
}

QSize FunctionKeyBar::sizeHint() const {
  int keyWidth = kMinimumKeyWidth;
  for (QPushButton* key : keys_) {
    if (!key->isHidden()) keyWidth = std::max(keyWidth, key->sizeHint().width());
  }
  return BarSize(keyWidth);
}

QSize FunctionKeyBar::minimumSizeHint() const { return BarSize(kMinimumKeyWidth); }

void FunctionKeyBar::LayOut() {
  const int height = ButtonHeight();
  const int fixedWidth = FixedButtonWidth();
  // The fixed buttons, packed at the right: SP BS ... above, Enter X below.
  const int fixedLeft = width() - FixedBlockWidth();
  const int rowTop[2] = {kGap, 2 * kGap + height};
  for (int i = 0; i < 3; ++i) {
    fixed_[static_cast<std::size_t>(i)]->setGeometry(fixedLeft + i * (fixedWidth + kGap), rowTop[0],
                                                     fixedWidth, height);
  }
  fixed_[3]->setGeometry(fixedLeft, rowTop[1], 2 * fixedWidth + kGap, height);
  fixed_[4]->setGeometry(fixedLeft + 2 * (fixedWidth + kGap), rowTop[1], fixedWidth, height);
  // The keys share the width W left of them: each (W - 12) / 5 with five
  // to a row, (W - 10) / 4 with four, a gap of 2 before each and one after
  // the last.
  const int keys = KeysPerRow();
  const int keyWidth = std::max(0, (fixedLeft - (keys + 1) * kGap) / keys);
  for (int row = 0; row < 2; ++row) {
    int column = 0;
    for (int i = 0; i < kKeysPerRow; ++i) {
      QPushButton* key = keys_[static_cast<std::size_t>(row * kKeysPerRow + i)];
      if (key->isHidden()) continue;
      key->setGeometry(kGap + column * (keyWidth + kGap), rowTop[row], keyWidth, height);
      ++column;
    }
  }
}

void FunctionKeyBar::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void FunctionKeyBar::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    updateGeometry();
    LayOut();
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
