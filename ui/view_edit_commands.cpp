// The Edit commands that work on the command line as a whole.
#include <QApplication>
#include <QClipboard>
#include <QTextCursor>

#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/qt_text.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

void TesseraView::ClearCommandLine() {
  if (Session().commandRunning) return;
  console_->ReplaceInput(u"", true);
}

void TesseraView::CopyToCommandLine() {
  if (Session().commandRunning) return;
  QTextCursor cursor = console_->textCursor();
  const int start = cursor.selectionStart();
  const int end = std::min(cursor.selectionEnd(), console_->inputStart());
  if (end <= start) return;
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  QString text = cursor.selectedText();
  text.remove(QChar::ParagraphSeparator);
  text.remove(QChar(u'\r'));
  text.remove(QChar(u'\n'));
  // The clipboard keeps the text as it went into the command line.
  QApplication::clipboard()->setText(text);
  console_->GoToCaret();
  console_->ReplaceInput(ToU16(text), false);
}

}  // namespace tessera::ui
