// The find bar: the text to find, Up and Dn, the case switch and X.
#pragma once

#include <QLineEdit>
#include <QToolButton>
#include <QWidget>

namespace tessera::ui {

class FindBar : public QWidget {
  Q_OBJECT

 public:
  explicit FindBar(QWidget* parent = nullptr);
  QLineEdit* edit() { return edit_; }
  QString text() const { return edit_->text(); }
  bool caseSensitive() const { return caseButton_->isChecked(); }
  void SetCaseSensitive(bool on) { caseButton_->setChecked(on); }

 signals:
  void findRequested(bool backward);
  void closeClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  QToolButton* caseButton_;
};

}  // namespace tessera::ui
