// HELP: the command list and each command's help, from the help file
// beside the program.
#pragma once

#include <string>
#include <vector>

#include "shell/command.h"

namespace tessera {

ResultCode HelpCommand(CommandCall& call);

// The help file's lines as HELP reads them: UTF-16LE, at most 259
// characters a piece (a longer line arrives as several), CR LF removed.
std::vector<std::u16string> SplitHelpLines(const std::vector<std::uint8_t>& bytes);

}  // namespace tessera
