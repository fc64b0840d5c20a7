// The window's side of single instance: a later start of the program on the
// same device knocks on the instance's socket, and the window comes to the
// front instead of a second one opening.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QWidget>

#include "platform/single_instance.h"

namespace tessera::ui {

class LaterStartListener : public QObject {
  Q_OBJECT

 public:
  // Listens on the claimed instance (which must outlive the listener) for
  // the window; does nothing for an instance that is not the first.
  LaterStartListener(platform::WindowInstance& instance, QWidget& window);

 signals:
  void broughtToFront();

 private:
  void Answer();

  platform::WindowInstance& instance_;
  QWidget& window_;
  QSocketNotifier* notifier_ = nullptr;
};

// Shows the window at the front: restored when minimised, raised, active.
void BringToFront(QWidget& window);

}  // namespace tessera::ui
