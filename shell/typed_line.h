// Running a line the user typed, the same way in every front end.
#pragma once

#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

// A command line is running: menus grey, closing waits, Stop is armed.
void BeginCommand();
// The command line is done; the front end shows its prompt next.
void EndCommand();
// A typed line without blanks, tabs and line ends at either end.
std::u16string_view TrimTypedLine(std::u16string_view line);
// Runs a typed line between BeginCommand and EndCommand: surrounding
// blanks trimmed, an empty line runs nothing; the line joins the history.
void RunTypedLine(std::u16string_view line, ShellContext& context);

}  // namespace tessera
