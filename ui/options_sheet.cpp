#include "ui/options_sheet.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/settings.h"
#include "ui/dialog_keys.h"
#include "ui/function_key_bar.h"
#include "ui/main_window.h"
#include "ui/options_color_page.h"
#include "ui/options_font_page.h"
#include "ui/options_function_key_page.h"
#include "ui/options_general_page.h"
#include "ui/options_menu_page.h"
#include "ui/resource_text.h"
#include "ui/tessera_view.h"

namespace tessera::ui {

WindowLook ReadWindowLook() {
  WindowLook look;
  for (int index = 0; index < 4; ++index)
    look.fonts[static_cast<std::size_t>(index)] = ReadFontEntry(index);
  look.text = ReadSettingInt(kSettingsSection, u"COLOR_TEXT", 0x00FF00);
  look.background = ReadSettingInt(kSettingsSection, u"COLOR_BACKGROUND", 0x000000);
  look.tenKeys = ReadShowTenKeys();
  for (int number = 1; number <= kFunctionKeyCount; ++number)
    look.keys[static_cast<std::size_t>(number - 1)] = ReadFunctionKey(number);
  look.softKeys = ReadSettingInt(kSettingsSection, u"USE_SOFT_KEY_MENU", 1) != 0;
  return look;
}

LookChanges ChangesBetween(const WindowLook& before, const WindowLook& after) {
  LookChanges changes;
  for (std::size_t index = 0; index < before.fonts.size(); ++index)
    changes.fonts.set(index, !(before.fonts[index] == after.fonts[index]));
  changes.background = before.background != after.background;
  changes.functionKeys = before.tenKeys != after.tenKeys;
  for (std::size_t key = 0; key < before.keys.size(); ++key) {
    changes.functionKeys = changes.functionKeys ||
                           before.keys[key].label != after.keys[key].label ||
                           before.keys[key].command != after.keys[key].command;
  }
  return changes;
}

void ApplyLook(MainWindow& window, const WindowLook& look, const LookChanges& changes) {
  TesseraView* view = window.view();
  if (changes.fonts.any()) view->RebuildFonts(changes.fonts);
  view->ApplyColors(changes.background);
  if (changes.functionKeys) view->functionKeyBar()->Rebuild();
  window.ShowSoftKeys(look.softKeys);
}

OptionsSheet::OptionsSheet(QWidget* parent)
    : QDialog(parent),
      tabs_(new QTabWidget(this)),
      general_(new OptionsGeneralPage(this)),
      font_(new OptionsFontPage(this)),
      color_(new OptionsColorPage(this)),
      menu_(new OptionsMenuPage(this)),
      keys_(new OptionsFunctionKeyPage(this)) {
  setWindowTitle(ResourceString(kStringOptionsTitle));
  auto* column = new QVBoxLayout(this);
  // Every page's tab in sight: the sheet is as wide as its five tabs.
  tabs_->setUsesScrollButtons(false);
  tabs_->addTab(general_, DialogTitle(kGeneralPage));
  tabs_->addTab(font_, DialogTitle(kFontPage));
  tabs_->addTab(color_, DialogTitle(kColorPage));
  tabs_->addTab(menu_, DialogTitle(kMenuPage));
  tabs_->addTab(keys_, DialogTitle(kFunctionKeyPage));
  column->addWidget(tabs_, 1);
  const DialogKeys keys = NewDialogKeys(*this);
  ok_ = keys.ok;
  column->addWidget(keys.box);
}

void OptionsSheet::accept() {
  if (!general_->Commit()) {
    tabs_->setCurrentWidget(general_);
    return;
  }
  font_->Commit();
  color_->Commit();
  menu_->Commit();
  keys_->Commit();
  QDialog::accept();
}

void ShowOptionsSheet(MainWindow& window) {
  const WindowLook before = ReadWindowLook();
  OptionsSheet sheet(&window);
  if (sheet.exec() != QDialog::Accepted) return;
  const WindowLook after = ReadWindowLook();
  ApplyLook(window, after, ChangesBetween(before, after));
}

}  // namespace tessera::ui
