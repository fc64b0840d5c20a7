// Output written while a command runs. The writers add a line at a time;
// putting each one into the editor lays out text that is trimmed away long
// before anyone sees it. This keeps the console's text as the writers see
// it (CR LF line ends) and gathers what the editor still has to do, which
// is almost always "drop this much at the front, add this at the end".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "shell/memory_console.h"

namespace tessera::ui {

class PendingOutput {
 public:
  // Starts from the editor's text, in CR LF form (when a command starts).
  void Begin(std::u16string text);
  // Forgets the text (when the command has ended).
  void End();

  std::size_t TextLength() const { return console_.TextLength(); }
  std::size_t LineCount() const { return console_.LineCount(); }
  std::size_t LineIndex(std::size_t line) const { return console_.LineIndex(line); }
  const std::u16string& text() const { return console_.text(); }
  std::size_t selectionStart() const { return console_.selectionStart(); }
  std::size_t selectionEnd() const { return console_.selectionEnd(); }

  void SetSelection(std::size_t start, std::size_t end) { console_.SetSelection(start, end); }
  // Replaces the selection when that is a removal at the front or an
  // addition at the end; false for anything else, which the editor has to
  // do itself once it has caught up (then call Apply).
  bool ReplaceSelection(std::u16string_view text);
  // Replaces the selection in the text without gathering it: the editor,
  // up to date, has done the same.
  void Apply(std::u16string_view text);

  struct Changes {
    std::size_t removeFront = 0;  // units of the editor's text, CR LF counting two
    std::u16string append;        // CR LF form
    bool empty() const { return removeFront == 0 && append.empty(); }
  };
  // What the editor has to do to hold the text again; forgets it.
  Changes TakeChanges();

 private:
  // The text as the writers see it; its line ends are always CR LF.
  MemoryConsole console_;
  // Length of the text the editor holds; removeFront never exceeds it.
  std::size_t editorLength_ = 0;
  Changes changes_;
};

// The text as the editor would hold it, in CR LF form: CR LF and a lone LF
// are line ends, a lone CR is dropped.
std::u16string SurfaceText(std::u16string_view text);

}  // namespace tessera::ui
