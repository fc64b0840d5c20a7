// Finding the item of a command in a menu built from the resources.
#pragma once

#include <QAction>
#include <QMenu>
#include <cstdint>

namespace tessera::testing {

// The action of a command in a menu or its submenus, refreshed as the
// menu opening refreshes it.
inline QAction* ActionOf(QMenu* menu, std::uint32_t command) {
  emit menu->aboutToShow();
  for (QAction* action : menu->actions()) {
    if (QMenu* sub = action->menu()) {
      if (QAction* found = ActionOf(sub, command)) return found;
    } else if (!action->isSeparator() && action->data().value<std::uint32_t>() == command) {
      return action;
    }
  }
  return nullptr;
}

}  // namespace tessera::testing
