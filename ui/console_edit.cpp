#include "ui/console_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGestureEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <algorithm>

#include "ui/qt_text.h"

namespace tessera::ui {

namespace {

// A focus change this soon after a press belongs to that press.
constexpr qint64 kTapFocusMilliseconds = 200;

// Pasted text joins the command line as one line: each line end becomes one
// blank (Linux clipboards end lines with LF alone, others with CR LF).
QString PastedText(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  text.replace(QChar(u'\n'), QChar(u' '));
  text.replace(QChar(u'\r'), QChar(u' '));
  text.replace(QChar::ParagraphSeparator, QChar(u' '));
  text.replace(QChar::LineSeparator, QChar(u' '));
  return text;
}

}  // namespace

QString EditorText(std::u16string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') {
        result.append(QChar(u'\n'));
        ++i;
      }
      continue;
    }
    result.append(QChar(c));
  }
  return result;
}

ConsoleEdit::ConsoleEdit(QWidget* parent) : QPlainTextEdit(parent) {
  // Undo could reach back into the protected output.
  setUndoRedoEnabled(false);
  setAcceptDrops(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  setTabChangesFocus(false);
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, &ConsoleEdit::TrackCaret);
  connect(this, &QPlainTextEdit::selectionChanged, this, &ConsoleEdit::TrackCaret);
  viewport()->grabGesture(Qt::TapAndHoldGesture);
  caretTimer_.setSingleShot(true);
  connect(&caretTimer_, &QTimer::timeout, this, &ConsoleEdit::CaretTimerFired);
  UpdateCaretWidth();
}

int ConsoleEdit::DocumentLength() const { return document()->characterCount() - 1; }

std::size_t ConsoleEdit::TextLength() const {
  return busy_ ? pending_.TextLength() : DocumentTextLength();
}

std::size_t ConsoleEdit::LineCount() const {
  if (busy_) return pending_.LineCount();
  return static_cast<std::size_t>(document()->blockCount());
}

std::size_t ConsoleEdit::LineIndex(std::size_t line) const {
  if (busy_) return pending_.LineIndex(line);
  return DocumentLineIndex(line);
}

std::size_t ConsoleEdit::DocumentTextLength() const {
  return static_cast<std::size_t>(DocumentLength()) +
         static_cast<std::size_t>(document()->blockCount() - 1);
}

std::size_t ConsoleEdit::DocumentLineIndex(std::size_t line) const {
  if (line >= static_cast<std::size_t>(document()->blockCount())) return DocumentTextLength();
  const QTextBlock block = document()->findBlockByNumber(static_cast<int>(line));
  return static_cast<std::size_t>(block.position()) + line;
}

std::size_t ConsoleEdit::SurfaceIndexOf(int position) const {
  position = std::clamp(position, 0, DocumentLength());
  const QTextBlock block = document()->findBlock(position);
  return static_cast<std::size_t>(position) +
         static_cast<std::size_t>(std::max(0, block.blockNumber()));
}

int ConsoleEdit::PositionOf(std::size_t index) const {
  index = std::min(index, DocumentTextLength());
  // The last line whose first character is at or before the index.
  int low = 0;
  int high = document()->blockCount() - 1;
  while (low < high) {
    const int middle = low + (high - low + 1) / 2;
    if (DocumentLineIndex(static_cast<std::size_t>(middle)) <= index) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  const QTextBlock block = document()->findBlockByNumber(low);
  const int position = static_cast<int>(index - static_cast<std::size_t>(low));
  // An index between CR and LF stands for the end of its line.
  return std::min(position, block.position() + block.length() - 1);
}

void ConsoleEdit::SetSelection(std::size_t start, std::size_t end) {
  if (busy_) {
    pending_.SetSelection(start, end);
    return;
  }
  QTextCursor cursor(document());
  cursor.setPosition(PositionOf(start));
  cursor.setPosition(PositionOf(end), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void ConsoleEdit::ReplaceSelection(std::u16string_view text) {
  if (busy_) {
    if (pending_.ReplaceSelection(text)) return;
    // Anything but trimming the front or adding at the end is rare: the
    // editor catches up and does it itself.
    FlushOutput();
    QTextCursor cursor(document());
    cursor.setPosition(PositionOf(pending_.selectionStart()));
    cursor.setPosition(PositionOf(pending_.selectionEnd()), QTextCursor::KeepAnchor);
    cursor.insertText(EditorText(text));
    outputCursor_ = cursor;
    pending_.Apply(text);
    return;
  }
  QTextCursor cursor = textCursor();
  cursor.insertText(EditorText(text));
  setTextCursor(cursor);
}

void ConsoleEdit::FlushOutput() {
  if (!busy_) return;
  const PendingOutput::Changes changes = pending_.TakeChanges();
  QTextCursor cursor(document());
  if (!changes.empty()) {
    cursor.beginEditBlock();
    if (changes.removeFront > 0) {
      cursor.setPosition(0);
      cursor.setPosition(PositionOf(changes.removeFront), QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
    }
    if (!changes.append.empty()) {
      cursor.movePosition(QTextCursor::End);
      cursor.insertText(EditorText(changes.append));
    }
    cursor.endEditBlock();
  }
  cursor.setPosition(PositionOf(pending_.selectionStart()));
  cursor.setPosition(PositionOf(pending_.selectionEnd()), QTextCursor::KeepAnchor);
  outputCursor_ = cursor;
}

void ConsoleEdit::ShowOutput() {
  if (!busy_) return;
  FlushOutput();
  setTextCursor(outputCursor_);
  ensureCursorVisible();
}

void ConsoleEdit::InsertPlain(const QString& text) {
  QTextCursor cursor = textCursor();
  cursor.insertText(text);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void ConsoleEdit::MarkInputStart() { inputStart_ = caretIndex_ = DocumentLength(); }

int ConsoleEdit::SetInputStart(int position) {
  const int old = inputStart_;
  inputStart_ = std::clamp(position, 0, DocumentLength());
  return old;
}

void ConsoleEdit::SetCaretIndex(int position) {
  caretIndex_ = std::clamp(position, 0, DocumentLength());
}

int ConsoleEdit::GoToCaret() {
  const int length = DocumentLength();
  if (inputStart_ > length) inputStart_ = length;
  if (caretIndex_ < inputStart_ || caretIndex_ > length) caretIndex_ = length;
  const int caret = caretIndex_;
  QTextCursor cursor(document());
  cursor.setPosition(caret);
  setTextCursor(cursor);
  KeepCaretLineVisible();
  return caret;
}

bool ConsoleEdit::SelectionInsideInput() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionStart() >= inputStart_ && cursor.selectionEnd() >= inputStart_;
}

std::u16string ConsoleEdit::GetInput() const {
  QTextCursor cursor(document());
  cursor.setPosition(std::min(inputStart_, DocumentLength()));
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  QString line = cursor.selectedText();
  line.remove(QChar::ParagraphSeparator);
  line.remove(QChar::LineSeparator);
  line.remove(QChar(u'\n'));
  line.remove(QChar(u'\r'));
  return ToU16(line);
}

void ConsoleEdit::ReplaceInput(std::u16string_view text, bool replaceWhole) {
  QTextCursor cursor = textCursor();
  if (busy_) {
    cursor.movePosition(QTextCursor::End);
  } else {
    if (!SelectionInsideInput()) {
      GoToCaret();
      cursor = textCursor();
    }
    if (replaceWhole) {
      cursor.setPosition(inputStart_);
      cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    }
  }
  cursor.insertText(EditorText(text));
  setTextCursor(cursor);
  caretIndex_ = cursor.selectionStart();
  ensureCursorVisible();
}

void ConsoleEdit::SelectInput() {
  QTextCursor cursor(document());
  cursor.setPosition(inputStart_);
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

void ConsoleEdit::DeleteSelectionInInput() {
  if (busy_) return;
  QTextCursor cursor = textCursor();
  if (cursor.selectionEnd() <= inputStart_) return;
  const int end = cursor.selectionEnd();
  cursor.setPosition(std::max(cursor.selectionStart(), inputStart_));
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  setTextCursor(cursor);
  ShowCaret(true);
}

void ConsoleEdit::CutInInput() {
  if (busy_) return;
  QTextCursor cursor = textCursor();
  if (!cursor.hasSelection() || cursor.selectionEnd() <= inputStart_) return;
  const int end = cursor.selectionEnd();
  cursor.setPosition(std::max(cursor.selectionStart(), inputStart_));
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  cut();
  ShowCaret(true);
}

void ConsoleEdit::CopySelection() {
  copy();
  ShowCaret(SelectionInsideInput());
}

void ConsoleEdit::PasteAtCaret() {
  if (busy_) return;
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (!data) {
    QApplication::beep();
    return;
  }
  insertFromMimeData(data);
}

bool ConsoleEdit::canInsertFromMimeData(const QMimeData* source) const {
  return !busy_ && source->hasText();
}

void ConsoleEdit::insertFromMimeData(const QMimeData* source) {
  if (busy_ || !source->hasText()) return;
  if (!SelectionInsideInput()) GoToCaret();
  InsertPlain(PastedText(source->text()));
  ShowCaret(true);
}

void ConsoleEdit::SetBusy(bool busy) {
  if (busy == busy_) return;
  if (busy) {
    outputCursor_ = textCursor();
    busy_ = true;
    pending_.Begin(SurfaceText(ToU16(toPlainText())));
    pending_.SetSelection(SurfaceIndexOf(outputCursor_.selectionStart()),
                          SurfaceIndexOf(outputCursor_.selectionEnd()));
  } else {
    FlushOutput();
    pending_.End();
    busy_ = false;
    setTextCursor(outputCursor_);
    ensureCursorVisible();
  }
}

void ConsoleEdit::ShowCaret(bool show) {
  caretShown_ = show;
  setCursorWidth(show ? caretWidth_ : 0);
  if (show) KeepCaretLineVisible();
}

void ConsoleEdit::ScrollToTop(int position) { ScrollToLine(VisualLineOf(position)); }

int ConsoleEdit::FirstVisibleLine() const { return verticalScrollBar()->value(); }

int ConsoleEdit::VisualLineOf(int position) const {
  position = std::clamp(position, 0, DocumentLength());
  const QTextBlock block = document()->findBlock(position);
  const QTextLayout* layout = block.layout();
  const QTextLine line =
      layout ? layout->lineForTextPosition(position - block.position()) : QTextLine();
  return block.firstLineNumber() + (line.isValid() ? line.lineNumber() : 0);
}

int ConsoleEdit::FirstVisiblePosition() const {
  const int top = FirstVisibleLine();
  const QTextBlock block = document()->findBlockByLineNumber(top);
  if (!block.isValid()) return DocumentLength();
  const QTextLayout* layout = block.layout();
  const int lineInBlock = top - block.firstLineNumber();
  if (!layout || lineInBlock < 0 || lineInBlock >= layout->lineCount()) return block.position();
  return block.position() + layout->lineAt(lineInBlock).textStart();
}

void ConsoleEdit::ScrollToLine(int line) {
  // The scroll bar counts lines as shown; it stops at its ends.
  verticalScrollBar()->setValue(line);
}

void ConsoleEdit::KeepCaretLineVisible() {
  const int top = FirstVisibleLine();
  const int visible = std::max(1, verticalScrollBar()->pageStep());
  const int caretLine = VisualLineOf(textCursor().position());
  if (caretLine < top) {
    ScrollToLine(caretLine - 2);
  } else if (caretLine >= top + visible) {
    ScrollToLine(caretLine - visible + 2);
  }
}

void ConsoleEdit::UpdateCaretWidth() {
  caretWidth_ = std::max(2, QFontMetrics(font()).height() / 2);
  setCursorWidth(caretShown_ ? caretWidth_ : 0);
}

void ConsoleEdit::SetConsoleFont(const QFont& font) {
  setFont(font);
  UpdateCaretWidth();
}

void ConsoleEdit::TrackCaret() {
  // In scroll mode paging moves the editor's cursor; the caret stays
  // hidden and its index stays in the command line.
  if (busy_ || scrollMode_) return;
  const bool inside = SelectionInsideInput();
  if (inside) caretIndex_ = textCursor().position();
  if (inside != caretShown_) ShowCaret(inside);
}

void ConsoleEdit::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool control = event->modifiers() & Qt::ControlModifier;
  if (busy_) {
    if (control && key == Qt::Key_C) emit stopKeyPressed();
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    CopySelection();
    return;
  }
  if (event->matches(QKeySequence::Cut)) {
    CutInInput();
    return;
  }
  if (event->matches(QKeySequence::Paste)) {
    PasteAtCaret();
    return;
  }
  if (event->matches(QKeySequence::SelectAll)) {
    SelectInput();
    return;
  }
  if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) return;

  const int position = textCursor().position();
  const int length = DocumentLength();
  switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
      QPlainTextEdit::keyPressEvent(event);
      return;
    case Qt::Key_Left:
      if (scrollMode_) break;
      if (position - 1 < inputStart_ || position > length) {
        emit edgeReached(0);
        return;
      }
      QPlainTextEdit::keyPressEvent(event);
      // A word step may not leave the command line.
      if (textCursor().position() < inputStart_) {
        QTextCursor cursor = textCursor();
        cursor.setPosition(inputStart_, (event->modifiers() & Qt::ShiftModifier)
                                            ? QTextCursor::KeepAnchor
                                            : QTextCursor::MoveAnchor);
        setTextCursor(cursor);
      }
      return;
    case Qt::Key_Right:
      if (scrollMode_) break;
      if (position < inputStart_ || position + 1 > length) {
        emit edgeReached(1);
        return;
      }
      break;
    case Qt::Key_Backspace: {
      if (!SelectionInsideInput()) GoToCaret();
      const QTextCursor cursor = textCursor();
      if (!cursor.hasSelection() && cursor.position() <= inputStart_) {
        backspaceRefused_ = true;
        return;
      }
      break;
    }
    case Qt::Key_Delete: {
      if (!SelectionInsideInput()) GoToCaret();
      const QTextCursor cursor = textCursor();
      if (!cursor.hasSelection() && cursor.position() >= length) return;
      break;
    }
    case Qt::Key_Home: {
      if (scrollMode_) return;
      QTextCursor cursor = textCursor();
      cursor.setPosition(inputStart_, (event->modifiers() & Qt::ShiftModifier)
                                          ? QTextCursor::KeepAnchor
                                          : QTextCursor::MoveAnchor);
      setTextCursor(cursor);
      return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
      // The view runs the line and walks the history; nothing moves here.
      return;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      if (!control) return;
      break;
    default:
      if (!event->text().isEmpty() && !SelectionInsideInput()) GoToCaret();
      break;
  }
  QPlainTextEdit::keyPressEvent(event);
}

void ConsoleEdit::keyReleaseEvent(QKeyEvent* event) {
  if (busy_) return;
  QPlainTextEdit::keyReleaseEvent(event);
  if (scrollMode_) return;
  if (backspaceRefused_) {
    // The refused key may have left the editor's own idea of the selection
    // behind; setting it again puts both in step.
    backspaceRefused_ = false;
    setTextCursor(textCursor());
  }
  switch (event->key()) {
    case Qt::Key_Right:
      if (SelectionInsideInput()) caretIndex_ = textCursor().position();
      break;
    case Qt::Key_Left: {
      QTextCursor cursor = textCursor();
      if (cursor.selectionStart() < inputStart_) {
        const int end = std::max(cursor.selectionEnd(), inputStart_);
        const bool anchorFirst = cursor.anchor() <= cursor.position();
        cursor.setPosition(anchorFirst ? inputStart_ : end);
        cursor.setPosition(anchorFirst ? end : inputStart_, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
      }
      caretIndex_ = std::max(textCursor().position(), inputStart_);
      break;
    }
    default:
      break;
  }
  if (!caretShown_ && SelectionInsideInput()) ShowCaret(true);
}
void ConsoleEdit::mousePressEvent(QMouseEvent* event) {
  pressTime_.start();
  if (busy_) return;
  if (event->button() == Qt::LeftButton && SelectionInsideInput())
    caretIndex_ = textCursor().position();
  ShowCaret(false);
  QPlainTextEdit::mousePressEvent(event);
}

void ConsoleEdit::mouseMoveEvent(QMouseEvent* event) {
  // Until the caret has been placed a drag selects nothing.
  if (!caretPlaced_ || busy_) return;
  QPlainTextEdit::mouseMoveEvent(event);
}

void ConsoleEdit::mouseReleaseEvent(QMouseEvent* event) {
  if (busy_) return;
  QPlainTextEdit::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  if (scrollMode_) {
    ShowCaret(false);
    caretPlaced_ = true;
    return;
  }
  const QTextCursor cursor = textCursor();
  if (cursor.hasSelection()) {
    // A drag: the caret follows only when the drag ends in the command line.
    if (cursor.position() >= inputStart_) caretIndex_ = cursor.position();
    ShowCaret(SelectionInsideInput());
    return;
  }
  if (cursor.position() >= inputStart_) {
    caretIndex_ = cursor.position();
    if (!caretPlaced_) PlaceCaret();
  } else if (caretPlaced_) {
    // A tap in the output leaves the caret where it was.
    GoToCaret();
  } else {
    PlaceCaret();
  }
  ShowCaret(true);
}

void ConsoleEdit::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

bool ConsoleEdit::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Gesture) {
    auto* gestures = static_cast<QGestureEvent*>(event);
    if (auto* hold = static_cast<QTapAndHoldGesture*>(gestures->gesture(Qt::TapAndHoldGesture))) {
      if (hold->state() == Qt::GestureFinished && contextMenuPolicy() == Qt::CustomContextMenu) {
        emit customContextMenuRequested(viewport()->mapFromGlobal(hold->position().toPoint()));
      }
      gestures->accept(hold);
      return true;
    }
  }
  return QPlainTextEdit::viewportEvent(event);
}

void ConsoleEdit::resizeEvent(QResizeEvent* event) {
  // Scroll mode keeps the line at the top, however the lines wrap anew.
  const int top = scrollMode_ ? FirstVisiblePosition() : 0;
  QPlainTextEdit::resizeEvent(event);
  if (busy_) return;
  if (scrollMode_) {
    ScrollToTop(top);
    return;
  }
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) {
    KeepCaretLineVisible();
  } else if (!SelectionInsideInput()) {
    ShowCaret(false);
  }
}

void ConsoleEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (busy_) return;
  if (!SelectionInsideInput()) GoToCaret();
  QPlainTextEdit::inputMethodEvent(event);
}

void ConsoleEdit::focusInEvent(QFocusEvent* event) {
  QPlainTextEdit::focusInEvent(event);
  caretPlaced_ = false;
  if (busy_) {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
    ensureCursorVisible();
    return;
  }
  if (scrollMode_) {
    StartCaretTimer(100);
    return;
  }
  // Focus that comes with a press is left to the release: a tap decides
  // where the caret goes.
  const bool pressed = event->reason() == Qt::MouseFocusReason ||
                       (pressTime_.isValid() && pressTime_.elapsed() <= kTapFocusMilliseconds);
  if (pressed) return;
  PlaceCaret();
  StartCaretTimer(100);
}

void ConsoleEdit::PlaceCaret() {
  ShowCaret(true);
  GoToCaret();
  caretPlaced_ = true;
}

void ConsoleEdit::StartCaretTimer(int milliseconds) {
  if (busy_) return;
  caretTimer_.start(milliseconds);
}

void ConsoleEdit::CaretTimerFired() {
  if (busy_) return;
  if (scrollMode_) {
    ShowCaret(false);
    return;
  }
  GoToCaret();
  ShowCaret(true);
}

}  // namespace tessera::ui
