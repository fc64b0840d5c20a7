#include "ui/later_start_listener.h"

namespace tessera::ui {

LaterStartListener::LaterStartListener(platform::WindowInstance& instance, QWidget& window)
    : QObject(&window), instance_(instance), window_(window) {
  if (instance.listenDescriptor() < 0) return;
  notifier_ = new QSocketNotifier(instance.listenDescriptor(), QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &LaterStartListener::Answer);
}

void LaterStartListener::Answer() {
  if (!instance_.TakeRequest()) return;
  BringToFront(window_);
  emit broughtToFront();
}

void BringToFront(QWidget& window) {
  if (window.isMinimized()) {
    window.showNormal();
  } else {
    window.show();
  }
  window.raise();
  window.activateWindow();
}

}  // namespace tessera::ui
