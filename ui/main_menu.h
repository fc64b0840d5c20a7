// The window's commands and the menus built from the resources: the menu
// behind the right soft key (149), the console's context menu (134) and the
// find bar's menu (147), with the keys of accelerator table 128.
#pragma once

#include <QMenu>

namespace tessera::ui {

class CommandSet;
class TesseraView;

// Resource identifiers of the menus and keys.
inline constexpr std::uint32_t kMainMenu = 149;
inline constexpr std::uint32_t kConsoleMenu = 134;
inline constexpr std::uint32_t kFindBarMenu = 147;
inline constexpr std::uint32_t kWindowKeys = 128;

struct MainMenu {
  QMenu* menu = nullptr;
  QMenu* console = nullptr;
  QMenu* findBar = nullptr;
};

// Adds the window's commands to the set, binds their keys as shortcuts of
// owner's window and builds the menus. Exit closes owner's window.
MainMenu BuildMainMenu(CommandSet& commands, QWidget* owner, TesseraView* view);

}  // namespace tessera::ui
