// What the view reads from a typed command line before the interpreter
// sees it: the trimmed line, and the two commands the view runs itself.
#pragma once

#include <optional>
#include <string_view>

namespace tessera::ui {

// Without blanks, tabs and line ends at either end.
std::u16string_view TrimmedLine(std::u16string_view text);

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
