// Enter on an empty command line, and scroll mode: two quick Enters let the
// arrow keys page through the output until a typing key ends it.
#include <QApplication>
#include <QKeyEvent>

#include "ui/console_edit.h"
#include "ui/scroll_mode_keys.h"
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
  switch (ClassifyScrollModeKey(event->key(), event->modifiers())) {
    case ScrollModeKey::PageUp:
    case ScrollModeKey::PageDown: {
      const bool up = event->key() == Qt::Key_Up;
      QKeyEvent page(QEvent::KeyPress, up ? Qt::Key_PageUp : Qt::Key_PageDown, Qt::NoModifier);
      QApplication::sendEvent(console_, &page);
      return true;
    }
    case ScrollModeKey::Deliver:
      return false;
    case ScrollModeKey::End:
      LeaveScrollMode();
      return false;
    case ScrollModeKey::EndAndSwallow:
      LeaveScrollMode();
      return true;
    case ScrollModeKey::Swallow:
      return true;
  }
  return true;
}

bool TesseraView::HandleScrollModeShortcut(QKeyEvent* event) {
  // The function keys end scroll mode themselves, as the bar's buttons do.
  if (event->key() >= Qt::Key_F1 && event->key() <= Qt::Key_F10) return false;
  switch (ClassifyScrollModeKey(event->key(), event->modifiers())) {
    case ScrollModeKey::End:
      // Ended before the shortcut runs: Ctrl+F finds, Ctrl+V pastes.
      LeaveScrollMode();
      return false;
    case ScrollModeKey::Swallow:
      // Taken from the shortcuts; the key press that follows is dropped.
      event->accept();
      return true;
    default:
      return false;
  }
}

}  // namespace tessera::ui
