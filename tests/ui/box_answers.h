// Answers the message boxes a test makes come up.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <vector>

namespace tessera::testing {

// Clicks a button of each message box that comes up, in order; keeps the
// texts it saw.
class BoxAnswers : public QObject {
 public:
  explicit BoxAnswers(std::vector<QMessageBox::StandardButton> buttons)
      : buttons_(std::move(buttons)) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || next_ >= buttons_.size()) return;
      texts.append(box->text());
      box->button(buttons_[next_++])->click();
    });
    timer_.start();
  }
  QStringList texts;

 private:
  std::vector<QMessageBox::StandardButton> buttons_;
  std::size_t next_ = 0;
  QTimer timer_;
};

}  // namespace tessera::testing
