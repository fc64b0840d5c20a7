// A resource script: the window texts of one resource module, kept as text
// in the repository and compiled into a resource table (shell/resource_table.h).
//
// The script is UTF-8, one statement per line; '#' outside a quoted text
// starts a comment; indentation is free. Texts are in double quotes with the
// escapes \n, \r, \t, \" and \\. Blocks:
//
//   STRINGS                        the string table
//     30317 "Fn"
//   END
//   MENU 149                       a menu: items, separators, pop-ups
//     POPUP "Menu"
//       ITEM 37003 "&Select Path ...\tCtrl+R"
//       SEPARATOR
//     END
//   END
//   DIALOG 147 "Select UI Language"   a dialog's title, then control texts
//     1056 "Choose ..."
//   END
//   ACCELERATORS 128               keys (portable key text) and commands
//     "Ctrl+Shift+F" 37007
//   END
//
// An identifier may appear once per script. Reading a second script into the
// same ResourceScript lets it replace whole entries by identifier (a string,
// a menu, a dialog, an accelerator table): a library in the program's own
// language states only what differs.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tessera::rescomp {

struct ScriptMenuItem {
  std::uint32_t kind = 0;  // kMenuItem, kMenuPopup or kMenuSeparator
  std::uint32_t depth = 0;
  std::uint32_t command = 0;
  std::u16string text;
};

struct ScriptDialog {
  std::u16string title;
  std::map<std::uint32_t, std::u16string> controls;
};

struct ScriptAccelerator {
  std::uint32_t command = 0;
  std::u16string keys;
};

struct ResourceScript {
  std::map<std::uint32_t, std::u16string> strings;
  std::map<std::uint32_t, std::vector<ScriptMenuItem>> menus;
  std::map<std::uint32_t, ScriptDialog> dialogs;
  std::map<std::uint32_t, std::vector<ScriptAccelerator>> accelerators;
};

// Reads a script into `into`. Gives an empty text on success, otherwise
// "file:line: what is wrong" (and `into` may hold part of the script).
std::string ReadResourceScript(std::string_view text, std::string_view fileName,
                               ResourceScript& into);

// True for a key text the window can bind: modifiers Ctrl, Shift, Alt and
// Meta joined by '+', then one key: a letter, a digit, F1..F24, or one of
// Backspace, Del, Ins, Home, End, PgUp, PgDown, Up, Down, Left, Right, Tab,
// Esc, Return, Enter, Space.
bool IsPortableKeyText(std::u16string_view keys);

}  // namespace tessera::rescomp
