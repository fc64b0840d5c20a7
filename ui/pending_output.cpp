#include "ui/pending_output.h"

#include <algorithm>

namespace tessera::ui {

std::u16string SurfaceText(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      if (i + 1 < text.size() && text[i + 1] == u'\n') {
        result += u"\r\n";
        ++i;
      }
      continue;
    }
    if (c == u'\n') {
      result += u"\r\n";
      continue;
    }
    result += c;
  }
  return result;
}

void PendingOutput::Begin(std::u16string text) {
  active_ = true;
  text_ = std::move(text);
  IndexLines();
  selectionStart_ = selectionEnd_ = text_.size();
  editorLength_ = text_.size();
  changes_ = {};
}

void PendingOutput::End() {
  active_ = false;
  text_.clear();
  text_.shrink_to_fit();
  lineStarts_.assign(1, 0);
  changes_ = {};
}

std::size_t PendingOutput::LineIndex(std::size_t line) const {
  return line < lineStarts_.size() ? lineStarts_[line] : text_.size();
}

std::size_t PendingOutput::Clamp(std::size_t index) const {
  index = std::min(index, text_.size());
  // Between CR and LF stands for the end of that line.
  if (index > 0 && index < text_.size() && text_[index - 1] == u'\r' && text_[index] == u'\n') --index;
  return index;
}

void PendingOutput::SetSelection(std::size_t start, std::size_t end) {
  selectionStart_ = Clamp(start);
  selectionEnd_ = Clamp(end);
  if (selectionEnd_ < selectionStart_) std::swap(selectionStart_, selectionEnd_);
}

bool PendingOutput::ReplaceSelection(std::u16string_view text) {
  std::u16string piece = SurfaceText(text);
  const bool atEnd = selectionStart_ == text_.size();
  const bool frontRemoval = selectionStart_ == 0 && piece.empty();
  if (!atEnd && !frontRemoval) return false;
  if (frontRemoval) {
    std::size_t removed = selectionEnd_;
    const std::size_t editorLeft = editorLength_ - changes_.removeFront;
    if (removed <= editorLeft) {
      changes_.removeFront += removed;
    } else {
      changes_.removeFront = editorLength_;
      removed -= editorLeft;
      changes_.append.erase(0, removed);
    }
  } else {
    changes_.append += piece;
  }
  Replace(piece);
  return true;
}

void PendingOutput::Apply(std::u16string_view text) {
  Replace(SurfaceText(text));
  editorLength_ = text_.size() - changes_.append.size();
}

void PendingOutput::Replace(std::u16string_view piece) {
  const std::size_t start = selectionStart_;
  const std::size_t end = selectionEnd_;
  if (start == text_.size()) {
    for (std::size_t i = 0; i < piece.size(); ++i) {
      if (piece[i] == u'\n') lineStarts_.push_back(text_.size() + i + 1);
    }
    text_ += piece;
  } else if (start == 0 && piece.empty()) {
    text_.erase(0, end);
    const auto first = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), end);
    // The line holding the cut keeps its start, now 0.
    auto kept = lineStarts_.erase(lineStarts_.begin(), first - 1);
    *kept = 0;
    for (++kept; kept != lineStarts_.end(); ++kept) *kept -= end;
  } else {
    text_.replace(start, end - start, piece);
    IndexLines();
  }
  selectionStart_ = selectionEnd_ = start + piece.size();
}

void PendingOutput::IndexLines() {
  lineStarts_.assign(1, 0);
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == u'\n') lineStarts_.push_back(i + 1);
  }
}

PendingOutput::Changes PendingOutput::TakeChanges() {
  Changes taken = std::move(changes_);
  changes_ = {};
  editorLength_ = text_.size();
  return taken;
}

}  // namespace tessera::ui
