// A console surface held in memory: the terminal front end's console and
// the tests' console. It keeps the same text model as the window's console.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shell/console_surface.h"

namespace tessera {

class MemoryConsole : public ConsoleSurface {
 public:
  // Called with each text put at the end of the console.
  using AppendObserver = std::function<void(std::u16string_view appended)>;

  MemoryConsole();

  std::size_t TextLength() const override { return text_.size(); }
  std::size_t LineCount() const override { return lineStarts_.size(); }
  std::size_t LineIndex(std::size_t line) const override;
  void SetSelection(std::size_t start, std::size_t end) override;
  void ReplaceSelection(std::u16string_view text) override;

  const std::u16string& text() const { return text_; }
  std::size_t selectionStart() const { return selStart_; }
  std::size_t selectionEnd() const { return selEnd_; }
  void SetAppendObserver(AppendObserver observer) { observer_ = std::move(observer); }

 private:
  std::size_t Clamp(std::size_t index) const;
  void RebuildLineStartsFrom(std::size_t position);

  std::u16string text_;
  std::vector<std::size_t> lineStarts_;  // index of the first character of each line
  std::size_t selStart_ = 0;
  std::size_t selEnd_ = 0;
  AppendObserver observer_;
};

}  // namespace tessera
