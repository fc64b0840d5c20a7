// Running one command line: expansion, echo, the command word and dispatch.
#pragma once

#include <optional>
#include <string_view>

#include "shell/command.h"

namespace tessera {

// Runs a line in the context. In a batch file gives the index of the line
// to run next (none: the file ends); outside a batch file gives none.
std::optional<std::size_t> ExecuteLine(std::u16string_view line, ShellContext& context,
                                       const BatchPosition* batch, std::uint32_t flags);

// Shows the help entry of a command (HELP with the word as argument).
ResultCode ShowCommandHelp(std::u16string_view word, ShellContext& context);

}  // namespace tessera
