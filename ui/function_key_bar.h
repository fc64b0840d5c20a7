// The function-key bar: ten (or eight) keys that type their commands, and
// the buttons SP, BS, "...", Enter and X. The arrow keys move between the
// buttons; past the first or the last the bar gives the focus back.
// The fixed buttons are packed at the right; the keys share the width left
// of them, five (or four) to a row, so the bar fits any window width.
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
  // The setting a button f1..f10 runs as the bar stands; 0 when hidden.
  int settingOfButton(int button) const;
  QPushButton* fixedButton(const QString& name) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

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
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Places every button for the bar's current width.
  void LayOut();
  int KeysPerRow() const;
  int ButtonHeight() const;
  // The width of SP, BS, "..." and X; Enter takes two of them and a gap.
  int FixedButtonWidth() const;
  // The width of the fixed buttons' block with the margin at its right.
  int FixedBlockWidth() const;
  QSize BarSize(int keyWidth) const;

  // The shown buttons of one row, left to right.
  std::vector<QPushButton*> Row(int row) const;
  void MoveFocus(QPushButton* from, int key);

  std::array<QPushButton*, 10> keys_{};
  std::array<int, 10> settings_{};
  // SP, BS, "..." on the first row; Enter, X on the second.
  std::array<QPushButton*, 5> fixed_{};
};

}  // namespace tessera::ui
