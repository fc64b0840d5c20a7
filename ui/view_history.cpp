// The command history: kept for every typed line, walked with Up and Down.
#include "shell/typed_line.h"
#include "ui/console_edit.h"
#include "ui/tessera_view.h"
#include "ui/typed_line.h"

namespace tessera::ui {

void TesseraView::AddToHistory(std::u16string_view line) {
  if (TrimTypedLine(line).empty()) return;
  history_.Add(line);
}

void TesseraView::MoveInHistory(int step) {
  const int next = historyCursor_ + step;
  if (next < 0 || next >= static_cast<int>(history_.size())) {
    Flash();
  } else {
    historyCursor_ = next;
    console_->ReplaceInput(history_.at(static_cast<std::size_t>(next)), true);
  }
  console_->ShowCaret(true);
}

}  // namespace tessera::ui
