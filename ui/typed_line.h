// The two commands the view runs itself before the interpreter sees a
// typed line.
#pragma once

#include <optional>
#include <string_view>

namespace tessera::ui {

enum class CommandBar { FunctionKeys, Find };

// FNKEYBAR or FINDBAR (any case): which bar, and whether to show it (any
// argument but one starting with /H shows it).
struct BarCommand {
  CommandBar bar = CommandBar::FunctionKeys;
  bool show = true;
};

// The bar command of a trimmed line; nothing for any other line.
std::optional<BarCommand> ParseBarCommand(std::u16string_view line);

}  // namespace tessera::ui
