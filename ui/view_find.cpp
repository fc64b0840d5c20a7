// Find, Find Next and Find Previous over the console text.
#include <QTextCursor>

#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/console_search.h"
#include "ui/find_bar.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

void TesseraView::Find() {
  QString selected = console_->textCursor().selectedText();
  const qsizetype lineEnd = selected.indexOf(QChar::ParagraphSeparator);
  if (lineEnd >= 0) selected.truncate(lineEnd);
  // The selection is what to find; with none the bar starts empty.
  findBar_->edit()->setText(selected);
  ShowFindBar(true);
}

void TesseraView::FindNext(bool backward) {
  if (Session().commandRunning) {
    Flash();
    return;
  }
  if (findBar_->isHidden()) Find();
  if (findBackward_ != backward) {
    findBackward_ = backward;
    emit findDirectionChanged(backward);
  }
  const QString text = findBar_->text();
  if (!text.isEmpty()) Search(text, backward, findBar_->caseSensitive());
  findBar_->edit()->setFocus();
}

void TesseraView::Search(const QString& text, bool backward, bool caseSensitive) {
  console_->ShowCaret(false);
  const QTextCursor selection = console_->textCursor();
  const QString whole = console_->toPlainText();
  const auto found = FindInConsoleText(whole, selection.selectionStart(), selection.selectionEnd(),
                                       text, backward, caseSensitive);
  if (found) {
    const int top = console_->FirstVisibleLine();
    QTextCursor cursor(console_->document());
    cursor.setPosition(static_cast<int>(*found));
    cursor.setPosition(static_cast<int>(*found + text.size()), QTextCursor::KeepAnchor);
    console_->setTextCursor(cursor);
    console_->ensureCursorVisible();
    // A match that needed scrolling stands three lines below the top, so
    // that what leads up to it shows too.
    if (console_->FirstVisibleLine() != top)
      console_->ScrollToLine(console_->VisualLineOf(static_cast<int>(*found)) - 3);
  } else {
    Flash();
  }
  const QTextCursor after = console_->textCursor();
  if (!after.hasSelection()) console_->ShowCaret(after.position() >= console_->inputStart());
}

}  // namespace tessera::ui
