// The options sheet's Menu page: whether the soft keys and the menu bar are
// shown (USE_SOFT_KEY_MENU), and how the Font commands are labelled
// (FONT_LABEL_FORMAT).
#pragma once

#include <QWidget>

class QCheckBox;
class QRadioButton;

namespace tessera::ui {

inline constexpr std::uint32_t kMenuPage = 118;

class OptionsMenuPage : public QWidget {
  Q_OBJECT

 public:
  explicit OptionsMenuPage(QWidget* parent = nullptr);

  QCheckBox* softKeys() { return softKeys_; }
  QRadioButton* fixedLabels() { return fixedLabels_; }
  QRadioButton* nameAndSize() { return nameAndSize_; }

  // OK: writes both settings.
  void Commit();

 private:
  QCheckBox* softKeys_;
  QRadioButton* fixedLabels_;
  QRadioButton* nameAndSize_;
};

}  // namespace tessera::ui
