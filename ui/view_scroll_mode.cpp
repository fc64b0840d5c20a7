// Enter on an empty command line, and scroll mode: two quick Enters let the
// arrow keys page through the output until a typing key ends it.
#include <QApplication>
#include <QKeyEvent>

#include "ui/console_edit.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

void TesseraView::HandleEnter() {
  if (console_->inputStart() != console_->DocumentLength()) {
    RunCommandLine();
    return;
  }
  enterTimer_.stop();
  if (!lastEnter_.isValid() || lastEnter_.elapsed() >= kDoubleEnterInterval) {
    enterTimer_.start();
    lastEnter_.start();
    return;
  }
  EnterScrollMode();
}

void TesseraView::EnterScrollMode() {
  console_->ShowCaret(false);
  scrollMode_ = true;
  console_->SetScrollMode(true);
  SetTitlePrefix(kPrefixScroll);
  lastEnter_.invalidate();
}

void TesseraView::LeaveScrollMode() {
  scrollMode_ = false;
  console_->SetScrollMode(false);
  console_->GoToCaret();
  console_->ShowCaret(true);
  SetTitlePrefix(0);
}

bool TesseraView::HandleScrollModeKey(QKeyEvent* event) {
  const int key = event->key();
  switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
      QKeyEvent page(QEvent::KeyPress, key == Qt::Key_Up ? Qt::Key_PageUp : Qt::Key_PageDown,
                     Qt::NoModifier);
      QApplication::sendEvent(console_, &page);
      return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
      return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      LeaveScrollMode();
      return true;
    case Qt::Key_Tab:
    case Qt::Key_Escape:
    case Qt::Key_Space:
      LeaveScrollMode();
      return key == Qt::Key_Tab && !(event->modifiers() & Qt::ControlModifier);
    default:
      break;
  }
  const QString text = event->text();
  if (!text.isEmpty() && text.at(0).isPrint()) {
    LeaveScrollMode();
    return false;
  }
  return true;
}

}  // namespace tessera::ui
