#include "ui/find_bar.h"

#include <QHBoxLayout>
#include <QKeyEvent>

#include "shell/settings.h"

namespace tessera::ui {

FindBar::FindBar(QWidget* parent) : QWidget(parent), edit_(new QLineEdit(this)), caseButton_(new QToolButton(this)) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(2);
  edit_->setObjectName(QStringLiteral("findText"));
  row->addWidget(edit_, 1);
  auto button = [this, row](const char* text) {
    auto* b = new QToolButton(this);
    b->setText(QString::fromLatin1(text));
    b->setObjectName(QString::fromLatin1(text));
    row->addWidget(b);
    return b;
  };
  connect(button("Up"), &QToolButton::clicked, this, [this] { emit findRequested(true); });
  connect(button("Dn"), &QToolButton::clicked, this, [this] { emit findRequested(false); });
  caseButton_->setText(QStringLiteral("Aa"));
  caseButton_->setCheckable(true);
  caseButton_->setChecked(ReadSettingInt(kSettingsSection, u"FIND_CASE_SENSITIVE", 1) != 0);
  row->addWidget(caseButton_);
  connect(button("X"), &QToolButton::clicked, this, &FindBar::closeClicked);
  edit_->installEventFilter(this);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up: emit findRequested(true); return true;
      case Qt::Key_Down:
      case Qt::Key_Return:
      case Qt::Key_Enter: emit findRequested(false); return true;
      case Qt::Key_Escape: emit closeClicked(); return true;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tessera::ui
