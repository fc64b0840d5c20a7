// The Edit commands that work on the command line as a whole.
#include <QApplication>
#include <QClipboard>
#include <QTextCursor>

#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

void TesseraView::ClearCommandLine() {
  if (Session().commandRunning) return;
  console_->ReplaceInput(u"", true);
}

void TesseraView::CopyToCommandLine() {
  if (Session().commandRunning) return;
  // The output part of the selection goes to the clipboard; with none
  // selected the clipboard keeps what it has. Either way its text comes to
  // the caret as one line, and the clipboard keeps it so.
  QTextCursor cursor = console_->textCursor();
  const int start = cursor.selectionStart();
  const int end = std::min(cursor.selectionEnd(), console_->inputStart());
  QClipboard* clipboard = QApplication::clipboard();
  if (end > start) {
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    clipboard->setText(cursor.selectedText());
  }
  QString text = clipboard->text();
  text.remove(QChar::ParagraphSeparator);
  text.remove(QChar(u'\r'));
  text.remove(QChar(u'\n'));
  if (!text.isEmpty()) clipboard->setText(text);
  console_->GoToCaret();
  console_->PasteAtCaret();
}

}  // namespace tessera::ui
