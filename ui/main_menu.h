// The menu behind the right soft key: Select Path, Find, the Edit and View
// menus and Exit. The Edit menu is also the console's context menu.
#pragma once

#include <QMenu>

namespace tessera::ui {

class TesseraView;

struct MainMenu {
  QMenu* menu = nullptr;
  QMenu* edit = nullptr;
  QMenu* view = nullptr;
};

// Adds the items with their shortcuts to owner (so that they work without
// the menu open); exit closes the window.
MainMenu BuildMainMenu(QWidget* owner, TesseraView* view);

}  // namespace tessera::ui
