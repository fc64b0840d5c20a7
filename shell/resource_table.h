// The layout of a compiled resource table: the window texts of one resource
// module (the program, or a language library). The resource compiler writes
// tables in this layout; a language library exports its table as the data
// symbol kResourceTableSymbol. Plain data with C linkage, so that a library
// built apart from the program still agrees with it.
#pragma once

#include <cstdint>

// Raised whenever the layout below changes; a library with another format
// is refused.
inline constexpr std::uint32_t kResourceTableFormat = 1;
// The name under which a language library exports its table.
inline constexpr const char* kResourceTableSymbol = "TesseraResources";

extern "C" {

struct TesseraResourceString {
  std::uint32_t id;
  const char16_t* text;
};

// Kinds of menu entries.
inline constexpr std::uint32_t kMenuItem = 0;   // a command with its text
inline constexpr std::uint32_t kMenuPopup = 1;  // a submenu; its entries follow one level deeper
inline constexpr std::uint32_t kMenuSeparator = 2;  // a separator line

// One entry of a menu, in reading order. depth 0 is the menu's own level; a
// popup's entries follow it with depth + 1 until an entry of its depth or less.
struct TesseraMenuItem {
  std::uint32_t kind;
  std::uint32_t depth;
  std::uint32_t command;  // kMenuItem only
  const char16_t* text;   // empty for a separator
};

struct TesseraMenu {
  std::uint32_t id;
  std::uint32_t itemCount;
  const TesseraMenuItem* items;
};

// A dialog control's text, by the control's identifier.
struct TesseraDialogControl {
  std::uint32_t id;
  const char16_t* text;
};

struct TesseraDialog {
  std::uint32_t id;
  const char16_t* title;
  std::uint32_t controlCount;
  const TesseraDialogControl* controls;
};

// A key that runs a command. keys is the portable text of the key
// combination ("Ctrl+Shift+F", "Alt+Backspace", "F6").
struct TesseraAccelerator {
  std::uint32_t command;
  const char16_t* keys;
};

struct TesseraAcceleratorTable {
  std::uint32_t id;
  std::uint32_t count;
  const TesseraAccelerator* entries;
};

// Each list is sorted by identifier.
struct TesseraResourceTable {
  std::uint32_t format;
  std::uint32_t stringCount;
  const TesseraResourceString* strings;
  std::uint32_t menuCount;
  const TesseraMenu* menus;
  std::uint32_t dialogCount;
  const TesseraDialog* dialogs;
  std::uint32_t acceleratorTableCount;
  const TesseraAcceleratorTable* acceleratorTables;
};
}
