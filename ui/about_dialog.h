// About (57664): the product's name and version, and one line of text that
// turns from one text into another, a different way each time.
#pragma once

#include <QDialog>
#include <QString>
#include <QTimer>

class QLabel;

namespace tessera::ui {

// Resource identifiers of the dialog.
inline constexpr std::uint32_t kAboutDialog = 100;
inline constexpr std::uint32_t kAboutProductName = 1015;
inline constexpr std::uint32_t kAboutAnimatedLine = 1016;
inline constexpr std::uint32_t kAboutVersion = 1017;

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  // effect: 0..3, the way the line turns (see text_effects.h).
  explicit AboutDialog(int effect, QWidget* parent = nullptr);

  int effect() const { return effect_; }
  QLabel* animatedLine() { return line_; }
  const QTimer& timer() const { return timer_; }

 private:
  void NextFrame();

  int effect_;
  QString from_;
  QString to_;
  int step_ = 0;
  QLabel* line_;
  QTimer timer_;
};

// The About command: the dialog with the next effect.
void ShowAboutDialog(QWidget* parent);

}  // namespace tessera::ui
