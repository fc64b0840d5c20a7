// The find bar: the text to find, Up and Dn, the case switch and X.
// In its edit, Up and Down search; one Enter searches again once the
// double-Enter interval has passed, two Enters give the focus back.
#pragma once

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <vector>

namespace tessera::ui {

class FindBar : public QWidget {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* parent = nullptr);
  QLineEdit* edit() { return edit_; }
  QString text() const { return edit_->text(); }
  bool caseSensitive() const { return caseButton_->isChecked(); }
  void SetCaseSensitive(bool on) { caseButton_->setChecked(on); }
  // The command buttons (Up, Dn, Aa, X) shown or not.
  void ShowButtons(bool show);
  bool buttonsShown() const { return buttonsShown_; }

 signals:
  void findRequested(bool backward);
  // Search once more in the direction last used.
  void searchAgainRequested();
  void closeClicked();
  // Two Enters, or an arrow key past the end of the bar.
  void focusGivenUp();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool EditKey(QKeyEvent* event);
  bool ButtonKey(QToolButton* button, int key);
  // The edit and the shown buttons, left to right.
  std::vector<QWidget*> Controls() const;

  QLineEdit* edit_;
  QToolButton* caseButton_;
  std::vector<QToolButton*> buttons_;
  bool buttonsShown_ = true;
  QTimer enterTimer_;
  QElapsedTimer lastEnter_;
};

}  // namespace tessera::ui
