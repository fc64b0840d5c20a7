// The function keys F1-F10: their labels and commands from the settings
// (FKEY_LABELn, FKEY_COMMANDn), with built-in commands where none is set.
// In a command, the two characters backslash and n stand for Enter.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessera {

inline constexpr int kFunctionKeyCount = 10;

inline constexpr std::array<std::u16string_view, kFunctionKeyCount> kDefaultFunctionKeyCommands = {
    u"DIR \\n", u"CD ",  u"COPY ", u"MOVE ",  u"TYPE ",
    u"DEL ",    u"SET ", u"REN ",  u"MKDIR ", u"RMDIR ",
};

// What stands for Enter in a function key's command.
inline constexpr std::u16string_view kFunctionKeyEnter = u"\\n";

struct FunctionKeySetting {
  std::u16string label;
  std::u16string command;
};

// Setting number 1..10: FKEY_LABELn and FKEY_COMMANDn.
FunctionKeySetting ReadFunctionKey(int number);
// Writes FKEY_LABELn and FKEY_COMMANDn; false when one was not written.
bool WriteFunctionKey(int number, const FunctionKeySetting& key);
// FKEY_SHOW_10_BUTTONS: ten keys, or eight (f5 and f10 hidden).
bool ReadShowTenKeys();
// The setting number a button f1..f10 uses; 0 when the button is hidden.
int SettingOfButton(int button, bool tenKeys);

}  // namespace tessera
