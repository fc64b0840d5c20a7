// Running one command line: expansion, echo, the command word and dispatch.
#pragma once

#include <optional>
#include <string_view>

#include "shell/command.h"

namespace tessera {

// How a line left its batch file, for IF, which runs its command through
// ExecuteLine and passes a jump or an EXIT on.
struct LineOutcome {
  bool jumped = false;     // a GOTO found its label
  bool endedFile = false;  // EXIT ended the batch file
};

// Runs a line in the context. In a batch file gives the index of the line
// to run next (none: the file ends); outside a batch file gives none.
std::optional<std::size_t> ExecuteLine(std::u16string_view line, ShellContext& context,
                                       const BatchPosition* batch, std::uint32_t flags,
                                       LineOutcome* outcome = nullptr);

// Shows the help entry of a command (HELP with the word as argument).
ResultCode ShowCommandHelp(std::u16string_view word, ShellContext& context);

}  // namespace tessera
