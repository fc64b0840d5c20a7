// Key hints in menu texts. A menu text of the resources may carry the key
// that runs its command after a tab. The window's menus never show that
// text as written: they show the key the accelerator table really binds,
// as desktop menus do. The Font labels the window makes itself lose their
// hint while the hint-removal flag is set, which it is from start-up on;
// cleared, they keep it as written.
#pragma once

namespace tessera::ui {

bool MenuHintsRemoved();
void SetMenuHintsRemoved(bool removed);

}  // namespace tessera::ui
