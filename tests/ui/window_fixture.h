// A main window on a fresh device root, typed into as the user types.
#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "support/temp_root.h"
#include "ui/console_edit.h"
#include "ui/main_window.h"
#include "ui/tessera_view.h"

namespace tessera::testing {

using tessera::ui::ConsoleEdit;
using tessera::ui::MainWindow;
using tessera::ui::TesseraView;

inline std::u16string U16(const QString& text) { return text.toStdU16String(); }
inline QString Q(const std::u16string& text) { return QString::fromStdU16String(text); }

// A window on a fresh device root for each test.
class WindowFixture {
 public:
  WindowFixture() : window_(std::make_unique<MainWindow>()) {
    window_->show();
    view()->Start();
    QApplication::setActiveWindow(window_.get());
    console()->setFocus();
  }
  ~WindowFixture() { window_.reset(); }

  MainWindow& window() { return *window_; }
  tessera::testing::TempRoot& root() { return root_; }
  TesseraView* view() { return window_->view(); }
  ConsoleEdit* console() { return view()->console(); }
  QString Text() { return console()->toPlainText(); }
  QString Input() { return Q(console()->GetInput()); }
  void Type(const QString& text) { QTest::keyClicks(console(), text); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(console(), key, modifiers);
  }
  void TypeLine(const QString& line) {
    Type(line);
    Key(Qt::Key_Return);
  }

 private:
  tessera::testing::TempRoot root_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace tessera::testing
