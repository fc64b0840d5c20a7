// The options sheet's Font page: the four console fonts, each with its
// face and size and a "..." button that opens the font chooser on it.
#pragma once

#include <QWidget>
#include <array>

#include "ui/window_settings.h"

class QLabel;
class QPushButton;

namespace tessera::ui {

inline constexpr std::uint32_t kFontPage = 119;

class OptionsFontPage : public QWidget {
  Q_OBJECT

 public:
  explicit OptionsFontPage(QWidget* parent = nullptr);

  const FontEntry& entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
  void SetEntry(int index, const FontEntry& entry);
  QLabel* description(int index) { return descriptions_[static_cast<std::size_t>(index)]; }
  QPushButton* chooseButton(int index) { return buttons_[static_cast<std::size_t>(index)]; }
  // The font chooser on font 0..3; its choice replaces the entry.
  void Choose(int index);

  // OK: writes the fonts that changed.
  void Commit();

 private:
  std::array<FontEntry, 4> entries_{};
  std::array<FontEntry, 4> shown_{};
  std::array<QLabel*, 4> descriptions_{};
  std::array<QPushButton*, 4> buttons_{};
};

}  // namespace tessera::ui
