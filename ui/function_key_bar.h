// The function-key bar: ten (or eight) keys that type their commands, and
// the buttons SP, BS, "...", Enter and X. The arrow keys move between the
// buttons; past the first or the last the bar gives the focus back.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>
#include <vector>

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
  void selectPathClicked();
  void enterClicked();
  void closeClicked();
  // An arrow key or Esc led out of the bar.
  void focusGivenUp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The shown buttons of one row, left to right.
  std::vector<QPushButton*> Row(int row) const;
  void MoveFocus(QPushButton* from, int key);

  std::array<QPushButton*, 10> keys_{};
  std::array<int, 10> settings_{};
  // SP, BS, "..." on the first row; Enter, X on the second.
  std::array<QPushButton*, 5> fixed_{};
};

}  // namespace tessera::ui
