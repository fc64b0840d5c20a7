// The options sheet's Color page: the console's text and background
// colours, each with a "..." button that opens the colour picker, and a
// preview of the two together.
#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QPushButton;

namespace tessera::ui {

inline constexpr std::uint32_t kColorPage = 120;

class OptionsColorPage : public QWidget {
  Q_OBJECT

 public:
  explicit OptionsColorPage(QWidget* parent = nullptr);

  QColor textColor() const { return text_; }
  QColor backgroundColor() const { return background_; }
  void SetColors(const QColor& text, const QColor& background);
  QLabel* preview() { return preview_; }
  QPushButton* textButton() { return textButton_; }
  QPushButton* backgroundButton() { return backgroundButton_; }

  // OK: writes COLOR_TEXT and COLOR_BACKGROUND.
  void Commit();

 private:
  void Choose(bool background);

  QColor text_;
  QColor background_;
  QLabel* textSwatch_;
  QLabel* backgroundSwatch_;
  QPushButton* textButton_;
  QPushButton* backgroundButton_;
  QLabel* preview_;
};

}  // namespace tessera::ui
