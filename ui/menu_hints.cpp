#include "ui/menu_hints.h"

namespace tessera::ui {

namespace {
bool g_removed = true;
}  // namespace

bool MenuHintsRemoved() { return g_removed; }

void SetMenuHintsRemoved(bool removed) { g_removed = removed; }

}  // namespace tessera::ui
