// The console of the window: a plain text edit that keeps everything before
// the input start as protected output and the rest as the command line.
// It is the interpreter's console surface; there every line end counts as
// the two units CR LF, while the editor holds one block per line.
#pragma once

#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <string>

#include "shell/console_surface.h"
#include "ui/pending_output.h"

namespace tessera::ui {

class ConsoleEdit : public QPlainTextEdit, public ConsoleSurface {
  Q_OBJECT

 public:
  explicit ConsoleEdit(QWidget* parent = nullptr);

  // ConsoleSurface, in UTF-16 units with CR LF line ends.
  std::size_t TextLength() const override;
  std::size_t LineCount() const override;
  std::size_t LineIndex(std::size_t line) const override;
  void SetSelection(std::size_t start, std::size_t end) override;
  void ReplaceSelection(std::u16string_view text) override;

  // Positions below are editor positions (a line end is one position).
  int DocumentLength() const;
  int inputStart() const { return inputStart_; }
  int caretIndex() const { return caretIndex_; }
  // The whole text is output: the command line starts at its end.
  void MarkInputStart();
  // Clamped to 0..length; gives the old value.
  int SetInputStart(int position);
  void SetCaretIndex(int position);
  // Selects the empty range at the caret index (the end when the index lies
  // in the output) and scrolls it into view; gives the index.
  int GoToCaret();
  bool SelectionInsideInput() const;
  // The command line with its line breaks removed.
  std::u16string GetInput() const;
  // Inserts at the caret (replaceWhole false) or replaces the whole command
  // line (true).
  void ReplaceInput(std::u16string_view text, bool replaceWhole);
  // Selects the command line only.
  void SelectInput();
  // Removes the part of the selection that lies in the command line.
  void DeleteSelectionInInput();
  void CutInInput();
  // The caret shows afterwards only when the selection is in the input.
  void CopySelection();
  void PasteAtCaret();
  // While busy the interpreter's writes are gathered and reach the editor
  // only when the window is repainted: laying out every line as it comes
  // would cost far more than the command.
  void SetBusy(bool busy);
  // Brings the editor up to date with the output and shows where it has
  // got to (while busy).
  void ShowOutput();
  // Brings the editor up to date with the output gathered while busy.
  void FlushOutput();
  bool busy() const { return busy_; }
  void SetScrollMode(bool on) { scrollMode_ = on; }
  bool scrollMode() const { return scrollMode_; }
  // The block caret is shown only while the selection lies in the input.
  void ShowCaret(bool show);
  bool caretShown() const { return caretShown_; }
  void SetConsoleFont(const QFont& font);
  // Scrolls so that the line holding the position is the first one shown;
  // the selection stays.
  void ScrollToTop(int position);
  // Lines as shown (a wrapped line counts each of its parts), from 0.
  int FirstVisibleLine() const;
  int VisualLineOf(int position) const;
  // The first position of the first line shown.
  int FirstVisiblePosition() const;
  void ScrollToLine(int line);
  // Scrolls the caret's line into view with two lines above it when it
  // lay above the view, and one below it when it lay below.
  void KeepCaretLineVisible();
  // After a focus change or a new font the caret goes back to the command
  // line once the editor has settled; in scroll mode it stays hidden.
  void StartCaretTimer(int milliseconds);
  bool caretPlaced() const { return caretPlaced_; }

  // Editor position <-> console-surface index.
  std::size_t SurfaceIndexOf(int position) const;
  int PositionOf(std::size_t index) const;

 signals:
  // Left (0) or Right (1) pressed at the edge of the command line.
  void edgeReached(int edge);
  // Ctrl+C while a command runs.
  void stopKeyPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // A press and hold on a touch screen asks for the context menu.
  bool viewportEvent(QEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  // The editor's own text in console-surface units, whether busy or not.
  std::size_t DocumentTextLength() const;
  std::size_t DocumentLineIndex(std::size_t line) const;
  void TrackCaret();
  void UpdateCaretWidth();
  void InsertPlain(const QString& text);
  void CaretTimerFired();
  // Shows the caret at the caret index and counts it as placed.
  void PlaceCaret();

  PendingOutput pending_;
  QTextCursor outputCursor_;
  int inputStart_ = 0;
  int caretIndex_ = 0;
  bool busy_ = false;
  bool scrollMode_ = false;
  bool caretShown_ = true;
  int caretWidth_ = 6;
  // The caret was put in the command line since the console took the focus.
  bool caretPlaced_ = false;
  bool backspaceRefused_ = false;
  QElapsedTimer pressTime_;
  QTimer caretTimer_;
};

// The text an inserted piece becomes in the editor: CR LF and a lone LF are
// line breaks, a lone CR is dropped.
QString EditorText(std::u16string_view text);

}  // namespace tessera::ui
