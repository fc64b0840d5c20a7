// The view as the interpreter's host while a command runs.
#include <QApplication>

#include "ui/console_edit.h"
#include "ui/host_message_box.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

namespace {

constexpr qint64 kPumpInterval = 40;

}  // namespace

void TesseraView::PumpEvents() {
  // Commands poll for every line they print; repainting that often would
  // cost more than the printing.
  if (lastPump_.isValid() && lastPump_.elapsed() < kPumpInterval) return;
  console_->ShowOutput();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  lastPump_.start();
}

MessageBoxAnswer TesseraView::ShowMessageBox(const MessageBoxRequest& request) {
  return AskWithMessageBox(window(), request);
}

void TesseraView::Beep(std::uint32_t) { QApplication::beep(); }

}  // namespace tessera::ui
