// How the console shows its text: the font of the four, the colours and
// word wrap.
#include "ui/console_edit.h"
#include "ui/tessera_view.h"
#include "ui/window_settings.h"

namespace tessera::ui {

void TesseraView::ApplyWordWrap(bool on) {
  // The editor re-wraps in place: text, selection, input start and caret
  // index stay. In scroll mode the line at the top stays at the top.
  wordWrap_ = on;
  const int firstVisible = console_->FirstVisiblePosition();
  console_->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
  if (scrollMode_) {
    console_->ScrollToTop(firstVisible);
    console_->ShowCaret(false);
  } else {
    console_->KeepCaretLineVisible();
    if (!console_->textCursor().hasSelection()) console_->ShowCaret(true);
  }
}

void TesseraView::SetWordWrap(bool on) {
  ApplyWordWrap(on);
  // The switch ends in the console, wherever the focus was.
  if (!console_->hasFocus()) FocusConsole();
}

bool TesseraView::SelectFont(int index) {
  if (index < 0 || index > 3) return false;
  fontIndex_ = index;
  const int firstVisible = console_->FirstVisiblePosition();
  console_->SetConsoleFont(fonts_[static_cast<std::size_t>(index)]);
  if (scrollMode_) {
    console_->ScrollToTop(firstVisible);
  } else {
    console_->ensureCursorVisible();
  }
  if (console_->hasFocus()) console_->StartCaretTimer(300);
  return true;
}

void TesseraView::RebuildFonts(std::bitset<4> which) {
  for (std::size_t index = 0; index < fonts_.size(); ++index) {
    if (!which.test(index)) continue;
    fonts_[index] = ReadConsoleFont(static_cast<int>(index));
    ++fontBuilds_[index];
  }
  if (which.test(static_cast<std::size_t>(fontIndex_))) SelectFont(fontIndex_);
}

void TesseraView::ApplyColors(bool background) {
  QPalette palette = console_->palette();
  palette.setColor(QPalette::Text, ReadTextColor());
  if (background) {
    palette.setColor(QPalette::Base, ReadBackgroundColor());
    ++brushBuilds_;
  }
  console_->setPalette(palette);
  console_->viewport()->update();
}

}  // namespace tessera::ui
