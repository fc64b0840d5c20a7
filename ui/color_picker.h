// The colour picker of the options sheet (dialog 153): 48 basic colours,
// the five colours chosen last, red, green and blue as numbers and
// sliders, and "Pick Up", which takes a colour from anywhere on the screen.
#pragma once

#include <QColor>
#include <QDialog>
#include <array>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QToolButton;

namespace tessera::ui {

inline constexpr std::uint32_t kColorPickerDialog = 153;
// The basic colours (0x00BBGGRR), buttons 5504..5551 in this order.
inline constexpr std::uint32_t kFirstBasicColorButton = 5504;
inline constexpr std::uint32_t kFirstRecentColorButton = 5552;
inline constexpr std::size_t kRecentColorCount = 5;
extern const std::array<std::int32_t, 48> kBasicColors;

// CUSTOM_COLOR1..n of CUSTOM_COLOR_COUNT, newest first.
std::vector<QColor> ReadRecentColors();
// The colour first, an equal one moved up, at most five; stored at once.
void StoreRecentColor(const QColor& color);

class ColorPicker : public QDialog {
  Q_OBJECT

 public:
  explicit ColorPicker(const QColor& initial, QWidget* parent = nullptr);

  QColor color() const { return color_; }
  void SetColor(const QColor& color);
  // The button of a control identifier (5504..5556).
  QToolButton* colorButton(std::uint32_t control) const;
  QSpinBox* channel(int index) { return channels_[static_cast<std::size_t>(index)]; }
  QSlider* slider(int index) { return sliders_[static_cast<std::size_t>(index)]; }
  QPushButton* pickUpButton() { return pickUp_; }
  bool picking() const { return picking_; }
  // Where "Pick Up" reads the colour of a point of the screen.
  void SetScreenSampler(std::function<QColor(const QPoint&)> sampler);

  // OK: the colour joins the recent colours.
  void accept() override;
  void reject() override;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartPicking();
  // Ends picking: keeps the colour under the pointer, or goes back to the
  // one before.
  void StopPicking(bool keep);

  QColor color_;
  QColor beforePicking_;
  bool picking_ = false;
  std::function<QColor(const QPoint&)> sampler_;
  std::vector<QToolButton*> buttons_;
  std::array<QSpinBox*, 3> channels_{};
  std::array<QSlider*, 3> sliders_{};
  QLabel* swatch_;
  QPushButton* pickUp_;
};

// The colour of one pixel of the screen; invalid when it cannot be read.
QColor ScreenColorAt(const QPoint& global);

// A square of the colour, for colour buttons and swatches.
QIcon ColorSwatch(const QColor& color, int side);

}  // namespace tessera::ui
