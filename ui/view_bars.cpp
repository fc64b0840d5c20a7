// The two command bars below the console, where the focus goes between
// them and the console, and what the soft key and the title say about it.
#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/find_bar.h"
#include "ui/function_key_bar.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

void TesseraView::ShowFunctionKeyBar(bool show) {
  if (show) {
    keyBar_->Rebuild();
    keyBar_->show();
    FocusFunctionKeyBar();
  } else {
    keyBar_->hide();
    FocusConsole();
    console_->GoToCaret();
  }
}

void TesseraView::ShowFindBar(bool show) {
  if (show) {
    findBar_->show();
    findBar_->edit()->setFocus();
    SetTitlePrefix(kPrefixFind);
  } else {
    findBar_->hide();
    FocusConsole();
    console_->GoToCaret();
  }
}

void TesseraView::FocusFunctionKeyBar() {
  if (!keyBar_->isVisible() && !keyBar_->isVisibleTo(this)) return;
  keyBar_->firstKey()->setFocus();
  keyBarFocused_.start();
  SetSoftKeyLabel(kLabelBarFocus);
  SetTitlePrefix(kPrefixFunctionKeys);
}

void TesseraView::FocusConsole() {
  console_->setFocus();
  // Scroll mode keeps what it shows; the caret comes back when it ends.
  if (!scrollMode_) console_->GoToCaret();
  SetSoftKeyLabel(Session().commandRunning ? kLabelCommandRunning : kLabelConsoleFocus);
  SetTitlePrefix(scrollMode_ ? kPrefixScroll : 0);
}

void TesseraView::SoftKey() {
  if (Session().commandRunning) {
    RequestStop();
  } else if (!console_->hasFocus()) {
    FocusConsole();
  } else {
    keyBar_->show();
    FocusFunctionKeyBar();
  }
}

void TesseraView::SetSoftKeyLabel(std::uint32_t id) {
  softKeyLabel_ = WindowString(id);
  emit softKeyLabelChanged(softKeyLabel_);
}

void TesseraView::SetTitlePrefix(std::uint32_t id) {
  title_ = WindowString(id) + ApplicationTitle();
  emit titleChanged(title_);
}

}  // namespace tessera::ui
