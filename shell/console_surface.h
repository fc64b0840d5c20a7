// What the output writers need of a console: a text with lines, a selection,
// and replacing the selection. The window and the terminal implement it.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessera {

class ConsoleSurface {
 public:
  virtual ~ConsoleSurface() = default;
  // Number of UTF-16 units of the whole text (a line end counts as two).
  virtual std::size_t TextLength() const = 0;
  // Number of lines; an empty text has one line.
  virtual std::size_t LineCount() const = 0;
  // Character index where the given line begins; the text length for a
  // line past the last.
  virtual std::size_t LineIndex(std::size_t line) const = 0;
  // Selects [start, end); both are clamped to the text. start == end puts
  // the caret there.
  virtual void SetSelection(std::size_t start, std::size_t end) = 0;
  // Replaces the selection with the text; the caret ends after it.
  virtual void ReplaceSelection(std::u16string_view text) = 0;
};

}  // namespace tessera
