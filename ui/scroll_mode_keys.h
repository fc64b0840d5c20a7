// Which keys scroll mode lets through and which end it. The rule is about
// the keys of the keyboard: letters, digits and the punctuation keys
// (virtual keys 0xBA..0xC0) end it. Qt names a key by the symbol it types,
// so each of those keys is matched by both symbols it carries on a US
// desktop keyboard, shifted or not; keypad keys never end it.
#pragma once

#include <Qt>

namespace tessera::ui {

enum class ScrollModeKey {
  PageUp,         // Up: the console pages up
  PageDown,       // Down: the console pages down
  Deliver,        // Page Up, Page Down, Left, Right: as usual, scroll mode stays
  End,            // ends scroll mode and goes on to the console
  EndAndSwallow,  // Enter: ends scroll mode and does nothing else
  Swallow,        // every other key: dropped
};

// The virtual-key code of a key as Qt reports it, for the keys the rule
// names (letters, digits, 0xBA..0xC0, Tab, Enter, Esc, Space, Page Up,
// Page Down and the arrows); 0 for any other key.
int VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

ScrollModeKey ClassifyScrollModeKey(int qtKey, Qt::KeyboardModifiers modifiers);

}  // namespace tessera::ui
