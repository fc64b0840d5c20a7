// The function-key bar: ten (or eight) keys that type their commands, and
// the buttons SP, BS, Enter and X.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>

namespace tessera::ui {

class FunctionKeyBar : public QWidget {
  Q_OBJECT

 public:
  explicit FunctionKeyBar(QWidget* parent = nullptr);
  // Reads labels and the number of keys from the settings again.
  void Rebuild();
  QPushButton* keyButton(int button) { return keys_[static_cast<std::size_t>(button - 1)]; }
  // The first key shown, for taking the focus.
  QPushButton* firstKey();

 signals:
  // A key was pressed; setting is its FKEY_COMMANDn number.
  void keyClicked(int setting);
  void spaceClicked();
  void backspaceClicked();
  void enterClicked();
  void closeClicked();

 private:
  std::array<QPushButton*, 10> keys_{};
  std::array<int, 10> settings_{};
};

}  // namespace tessera::ui
