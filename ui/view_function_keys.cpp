// Running a function key: its command text is typed at the caret, and each
// Enter mark in it runs the command line.
#include <QShortcut>

#include "shell/output.h"
#include "ui/console_edit.h"
#include "ui/function_key_bar.h"
#include "ui/tessera_view.h"
#include "ui/window_settings.h"

namespace tessera::ui {

namespace {

// The bar keeps the focus when a key runs this soon after the bar took it.
constexpr qint64 kKeyBarFocusMilliseconds = 500;

}  // namespace

void TesseraView::AddFunctionKeyShortcuts() {
  // The keyboard's F1..F10 press the bar's buttons f1..f10, shown or not:
  // in eight-key mode F5 and F10 have no button and do nothing.
  for (int button = 1; button <= kFunctionKeyCount; ++button) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1 + (button - 1)), this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [this, button] { RunFunctionKey(keyBar_->settingOfButton(button)); });
  }
}

void TesseraView::RunFunctionKey(int setting) {
  if (setting < 1 || setting > kFunctionKeyCount) return;
  if (Session().commandRunning) {
    Flash();
    return;
  }
  if (scrollMode_) LeaveScrollMode();
  const std::u16string command = ReadFunctionKey(setting).command;
  std::u16string_view rest = command;
  for (;;) {
    const std::size_t mark = rest.find(u"\\n");
    if (mark == std::u16string_view::npos) {
      console_->ReplaceInput(rest, false);
      break;
    }
    console_->ReplaceInput(rest.substr(0, mark), false);
    RunCommandLine();
    rest.remove_prefix(mark + 2);
  }
  // The bar keeps the focus it has only just been given.
  if (keyBarFocused_.isValid() && keyBarFocused_.elapsed() < kKeyBarFocusMilliseconds) return;
  FocusConsole();
}

}  // namespace tessera::ui
