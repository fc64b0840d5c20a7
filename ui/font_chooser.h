// The font chooser of the options sheet (dialog 150): the installed font
// families, sizes, bold and italic, and a sample of the choice. A size
// outside 1..144 is refused.
#pragma once

#include <QDialog>

#include "ui/window_settings.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;

namespace tessera::ui {

inline constexpr std::uint32_t kFontChooserDialog = 150;

class FontChooser : public QDialog {
  Q_OBJECT

 public:
  explicit FontChooser(const FontEntry& initial, QWidget* parent = nullptr);

  // The choice as it stands (the size as typed, checked only by OK).
  FontEntry entry() const;
  QListWidget* families() { return families_; }
  QComboBox* size() { return size_; }
  QCheckBox* bold() { return bold_; }
  QCheckBox* italic() { return italic_; }
  QLabel* sample() { return sample_; }

  // OK: a size outside 1..144 is refused with a message and the dialog
  // stays.
  void accept() override;

 private:
  void ShowSample();
  int TypedSize() const;

  QListWidget* families_;
  QComboBox* size_;
  QCheckBox* bold_;
  QCheckBox* italic_;
  QLabel* sample_;
};

}  // namespace tessera::ui
