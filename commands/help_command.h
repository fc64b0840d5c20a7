// HELP: the command list and each command's help, from the help file
// beside the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "shell/command.h"

namespace tessera {

ResultCode HelpCommand(CommandCall& call);

// The help file's lines as HELP reads them: UTF-16LE, at most 259
// characters a piece (a longer line arrives as several), CR LF removed.
std::vector<std::u16string> SplitHelpLines(const std::vector<std::uint8_t>& bytes);

// The entry HELP shows for a name: the line index of its <!--CMD--> marker.
// It is the first entry with a name line that begins with the name
// (without regard to case). Nothing when no entry has one.
std::optional<std::size_t> FindHelpEntry(const std::vector<std::u16string>& lines,
                                         std::u16string_view name);

}  // namespace tessera
