#include "ui/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <algorithm>

#include "shell/settings.h"
#include "ui/resource_text.h"

namespace tessera::ui {

namespace {

// Two Enters within this interval give the focus back; one alone searches
// once the interval and a little more have passed.
constexpr qint64 kDoubleEnterInterval = 300;
// The dialog resource with the texts of the bar's buttons.
constexpr std::uint32_t kFindBarDialog = 203;

}  // namespace

FindBar::FindBar(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), caseButton_(new QToolButton(this)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(2);
  edit_->setObjectName(QStringLiteral("findText"));
  row->addWidget(edit_, 1);
  auto button = [this, row](const char* name, std::uint32_t control) {
    auto* b = new QToolButton(this);
    b->setText(ControlText(kFindBarDialog, control));
    b->setObjectName(QString::fromLatin1(name));
    b->setFocusPolicy(Qt::StrongFocus);
    b->installEventFilter(this);
    row->addWidget(b);
    buttons_.push_back(b);
    return b;
  };
  connect(button("Up", 1004), &QToolButton::clicked, this, [this] { emit findRequested(true); });
  connect(button("Dn", 1013), &QToolButton::clicked, this, [this] { emit findRequested(false); });
  caseButton_->setText(ControlText(kFindBarDialog, 1064));
  caseButton_->setObjectName(QStringLiteral("Aa"));
  caseButton_->setCheckable(true);
  caseButton_->setFocusPolicy(Qt::StrongFocus);
  caseButton_->setChecked(ReadSettingInt(kSettingsSection, u"FIND_CASE_SENSITIVE", 1) != 0);
  caseButton_->installEventFilter(this);
  row->addWidget(caseButton_);
  buttons_.push_back(caseButton_);
  connect(button("X", 1071), &QToolButton::clicked, this, &FindBar::closeClicked);
  edit_->installEventFilter(this);
  enterTimer_.setSingleShot(true);
  enterTimer_.setInterval(static_cast<int>(kDoubleEnterInterval) + 100);
  connect(&enterTimer_, &QTimer::timeout, this, &FindBar::searchAgainRequested);
  ShowButtons(ReadSettingInt(kSettingsSection, u"FIND_SHOW_CMD_BUTTONS", 1) != 0);
}

void FindBar::ShowButtons(bool show) {
  buttonsShown_ = show;
  for (QToolButton* b : buttons_) b->setVisible(show);
}

std::vector<QWidget*> FindBar::Controls() const {
  std::vector<QWidget*> controls{edit_};
  if (buttonsShown_) controls.insert(controls.end(), buttons_.begin(), buttons_.end());
  return controls;
}

bool FindBar::EditKey(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      emit findRequested(true);
      return true;
    case Qt::Key_Down:
      emit findRequested(false);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (enterTimer_.isActive() && lastEnter_.isValid() &&
          lastEnter_.elapsed() < kDoubleEnterInterval) {
        enterTimer_.stop();
        emit focusGivenUp();
      } else {
        enterTimer_.start();
        lastEnter_.start();
      }
      return true;
    case Qt::Key_Left:
      if (edit_->cursorPosition() > 0 || edit_->hasSelectedText()) return false;
      emit focusGivenUp();
      return true;
    case Qt::Key_Right:
      if (edit_->cursorPosition() < edit_->text().size() || edit_->hasSelectedText()) return false;
      if (buttonsShown_) {
        buttons_.front()->setFocus(Qt::TabFocusReason);
      } else {
        emit focusGivenUp();
      }
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return true;
    case Qt::Key_Escape:
      emit closeClicked();
      return true;
    default:
      return false;
  }
}

bool FindBar::ButtonKey(QToolButton* button, int key) {
  if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return true;
  if (key == Qt::Key_Escape) {
    emit focusGivenUp();
    return true;
  }
  if (key != Qt::Key_Left && key != Qt::Key_Right) return false;
  const std::vector<QWidget*> controls = Controls();
  const auto at = std::find(controls.begin(), controls.end(), button);
  if (at == controls.end()) return false;
  if (key == Qt::Key_Left) {
    (*(at - 1))->setFocus(Qt::BacktabFocusReason);  // the edit stands first
  } else if (at + 1 == controls.end()) {
    emit focusGivenUp();
  } else {
    (*(at + 1))->setFocus(Qt::TabFocusReason);
  }
  return true;
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == edit_) return EditKey(key);
    if (auto* button = qobject_cast<QToolButton*>(watched)) return ButtonKey(button, key->key());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tessera::ui
