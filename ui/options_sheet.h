// The options sheet (37004): the pages General, Font, Color, Menu and
// Function Key, with OK and Cancel. OK lets each page write its settings,
// then the window takes on exactly what changed.
#pragma once

#include <QDialog>
#include <array>
#include <bitset>
#include <cstdint>

#include "shell/function_keys.h"
#include "ui/window_settings.h"

class QTabWidget;
class QPushButton;

namespace tessera::ui {

class MainWindow;
class OptionsGeneralPage;
class OptionsFontPage;
class OptionsColorPage;
class OptionsMenuPage;
class OptionsFunctionKeyPage;

inline constexpr std::uint32_t kStringOptionsTitle = 37004;

// The settings the sheet edits that the window shows.
struct WindowLook {
  std::array<FontEntry, 4> fonts{};
  std::int32_t text = 0;
  std::int32_t background = 0;
  bool tenKeys = true;
  std::array<FunctionKeySetting, kFunctionKeyCount> keys{};
  bool softKeys = true;
};
WindowLook ReadWindowLook();

// What the window must redo after the sheet's OK.
struct LookChanges {
  std::bitset<4> fonts;
  bool background = false;
  bool functionKeys = false;
};
LookChanges ChangesBetween(const WindowLook& before, const WindowLook& after);
// Rebuilds the changed fonts (selecting the current one again), reads the
// text colour again, makes a new background brush when it changed,
// rebuilds the function-key bar when a key changed, and shows or hides
// the soft keys.
void ApplyLook(MainWindow& window, const WindowLook& look, const LookChanges& changes);

class OptionsSheet : public QDialog {
  Q_OBJECT

 public:
  explicit OptionsSheet(QWidget* parent = nullptr);

  QTabWidget* tabs() { return tabs_; }
  QPushButton* okButton() { return ok_; }
  OptionsGeneralPage* generalPage() { return general_; }
  OptionsFontPage* fontPage() { return font_; }
  OptionsColorPage* colorPage() { return color_; }
  OptionsMenuPage* menuPage() { return menu_; }
  OptionsFunctionKeyPage* functionKeyPage() { return keys_; }

  // Each page writes its settings; a page that cannot keeps the sheet open
  // and shows itself.
  void accept() override;

 private:
  QTabWidget* tabs_;
  QPushButton* ok_;
  OptionsGeneralPage* general_;
  OptionsFontPage* font_;
  OptionsColorPage* color_;
  OptionsMenuPage* menu_;
  OptionsFunctionKeyPage* keys_;
};

// The Options command: the sheet over the window, and on OK the window
// takes on what changed.
void ShowOptionsSheet(MainWindow& window);

}  // namespace tessera::ui
