#include "ui/pending_output.h"

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
  console_ = MemoryConsole();
  console_.ReplaceSelection(text);
  editorLength_ = text.size();
  changes_ = {};
}

void PendingOutput::End() {
  console_ = MemoryConsole();
  changes_ = {};
}

bool PendingOutput::ReplaceSelection(std::u16string_view text) {
  const std::u16string piece = SurfaceText(text);
  const std::size_t start = console_.selectionStart();
  const bool atEnd = start == console_.TextLength();
  const bool frontRemoval = start == 0 && piece.empty();
  if (!atEnd && !frontRemoval) return false;
  if (frontRemoval) {
    std::size_t removed = console_.selectionEnd();
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
  console_.ReplaceSelection(piece);
  return true;
}

void PendingOutput::Apply(std::u16string_view text) {
  console_.ReplaceSelection(SurfaceText(text));
  editorLength_ = console_.TextLength() - changes_.append.size();
}

PendingOutput::Changes PendingOutput::TakeChanges() {
  Changes taken = std::move(changes_);
  changes_ = {};
  editorLength_ = console_.TextLength();
  return taken;
}

}  // namespace tessera::ui
