// Line editing on a terminal: cursor keys, the command history and the
// function keys.
#pragma once

#include <optional>
#include <string>

#include "shell/history.h"

namespace tessera::terminal {

// A key the editor understands, decoded from the terminal's bytes.
struct Key {
  enum Kind {
    Text,
    Enter,
    Backspace,
    Delete,
    Left,
    Right,
    Home,
    End,
    Up,
    Down,
    Function,
    KillToStart,     // Ctrl+U
    KillToEnd,       // Ctrl+K
    KillWordBefore,  // Ctrl+W
    ClearScreen,     // Ctrl+L
    Interrupt,
    EndOfInput,
    NotText,  // bytes that are no UTF-8 character: refused, not typed
    Other
  };
  Kind kind = Other;
  std::u16string text;  // with Text: one character (a surrogate pair beyond U+FFFF)
  int number = 0;       // with Function: 1..10
};

// Takes one key from the front of bytes; none while a sequence is still
// incomplete (more bytes are needed).
std::optional<Key> DecodeKey(std::string& bytes);

// The text being edited and its cursor; the cursor never stands inside a
// surrogate pair.
class EditBuffer {
 public:
  void Insert(std::u16string_view text);
  void Backspace();
  void Delete();
  void Left();
  void Right();
  void Home() { cursor_ = 0; }
  void End() { cursor_ = text_.size(); }
  // What lies before the cursor, after it, and the word before it (the
  // blanks just before the cursor and the non-blanks before those).
  void KillToStart();
  void KillToEnd();
  void KillWordBefore();
  void Replace(std::u16string_view text);
  const std::u16string& text() const { return text_; }
  std::size_t cursor() const { return cursor_; }

 private:
  std::u16string text_;
  std::size_t cursor_ = 0;
};

// Where the terminal's cursor stands after text written from the start of
// a row, the rows counted from there. A character too wide for what is left
// of a row goes to the next one; `column` is `columns` when the text fills
// its last row exactly (the terminal then waits to wrap).
struct ScreenPlace {
  std::size_t row = 0;
  std::size_t column = 0;
};
ScreenPlace PlaceAfter(std::u16string_view text, std::size_t columns);

// The bytes that show prompt and text afresh on a terminal of `columns`
// columns with the cursor at `cursor` (an index into text), when the
// terminal's cursor now stands `cursorRow` rows below the row where the
// prompt begins; `cursorRow` becomes the row it stands on afterwards. A
// line longer than a row wraps, and the rows it takes are redrawn whole.
std::string RedrawBytes(std::u16string_view prompt, std::u16string_view text, std::size_t cursor,
                        std::size_t columns, std::size_t& cursorRow);

class LineEditor {
 public:
  LineEditor(int inputFd, int outputFd, CommandHistory& history);
  // Reads one line after the prompt already on the screen; none at the end
  // of input (Ctrl+D on an empty line) or when the session is asked to end.
  std::optional<std::u16string> ReadLine(const std::u16string& prompt);

 private:
  void Redraw(const std::u16string& prompt, const EditBuffer& buffer);
  // Puts the cursor after the whole line, then writes `after` (the line's
  // end, "^C"...), so that nothing that follows lands inside the line.
  void Finish(const std::u16string& prompt, const EditBuffer& buffer, std::string_view after);
  // Types a function key's command; true when it holds an Enter (what
  // follows waits for the next line).
  bool TypeCommand(std::u16string_view command, EditBuffer& buffer);

  int inputFd_;
  int outputFd_;
  CommandHistory& history_;
  std::string pending_;
  std::u16string queued_;
  std::size_t cursorRow_ = 0;  // rows the cursor stands below the prompt's first
};

// Terminal columns a text takes (wide East Asian characters take two).
std::size_t DisplayWidth(std::u16string_view text);

}  // namespace tessera::terminal
