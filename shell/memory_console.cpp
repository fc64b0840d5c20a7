#include "shell/memory_console.h"

#include <algorithm>

namespace tessera {

MemoryConsole::MemoryConsole() : lineStarts_{0} {}

std::size_t MemoryConsole::LineIndex(std::size_t line) const {
  if (line >= lineStarts_.size()) return text_.size();
  return lineStarts_[line];
}

std::size_t MemoryConsole::Clamp(std::size_t index) const {
  index = std::min(index, text_.size());
  // Between CR and LF stands for the end of that line, as in the window:
  // a trim never leaves half a line end behind.
  if (index > 0 && index < text_.size() && text_[index - 1] == u'\r' && text_[index] == u'\n')
    --index;
  return index;
}

void MemoryConsole::SetSelection(std::size_t start, std::size_t end) {
  start = Clamp(start);
  end = Clamp(end);
  if (end < start) std::swap(start, end);
  selStart_ = start;
  selEnd_ = end;
}

void MemoryConsole::RebuildLineStartsFrom(std::size_t position) {
  // Keep the lines that begin at or before the change.
  auto keep = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position);
  lineStarts_.erase(keep, lineStarts_.end());
  const std::size_t scanFrom = lineStarts_.back();
  for (std::size_t i = scanFrom; i < text_.size(); ++i) {
    if (text_[i] == u'\n') lineStarts_.push_back(i + 1);
  }
}

void MemoryConsole::ReplaceSelection(std::u16string_view text) {
  const bool atEnd = selEnd_ == text_.size();
  const bool pureAppend = atEnd && selStart_ == selEnd_;
  if (pureAppend) {
    text_.append(text);
  } else {
    text_.replace(selStart_, selEnd_ - selStart_, text);
  }
  if (pureAppend) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == u'\n') lineStarts_.push_back(selStart_ + i + 1);
    }
  } else {
    RebuildLineStartsFrom(selStart_);
  }
  selStart_ += text.size();
  selEnd_ = selStart_;
  if (atEnd && observer_ && !text.empty()) observer_(text);
}

}  // namespace tessera
