// Save the Selected Text to a File (Ctrl+S).
#include <QTextDocument>

#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/qt_text.h"
#include "ui/save_text_dialog.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

namespace {

// The editor's text with its line ends as the console has them (CR LF).
// The raw text keeps every character as it stands.
std::u16string WithConsoleLineEnds(QString text) {
  text.replace(QChar(QChar::ParagraphSeparator), QStringLiteral("\r\n"));
  return ToU16(text);
}

}  // namespace

std::u16string TesseraView::TextToSave() const {
  const QTextCursor selection = console_->textCursor();
  if (selection.hasSelection()) return WithConsoleLineEnds(selection.selectedText());
  return WithConsoleLineEnds(console_->document()->toRawText());
}

void TesseraView::SaveText() {
  if (Session().commandRunning) return;
  SaveTextDialog dialog(TextToSave(), context_, filterIndex_, console_->font(), window());
  dialog.exec();
  FocusConsole();
}

}  // namespace tessera::ui
