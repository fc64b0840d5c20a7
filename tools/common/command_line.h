// The command-line text of a tool: the text after the program name.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessera::tools {

// The arguments joined by single spaces; an argument holding a blank, a
// host path beginning with '/' and holding another '/', or nothing at all is
// put in double quotes so that it stays one name.
std::u16string JoinArguments(const std::vector<std::string>& arguments);

// The shell hands its exact text in TESSERA_CMDLINE and its process id in
// TESSERA_SHELL_PID; the text is taken only when the shell is this tool's
// parent (a grandchild inherits stale values). Otherwise the arguments.
std::u16string SelectCommandLine(const std::optional<std::string>& shellText,
                                 const std::optional<std::string>& shellPid, long parentPid,
                                 const std::vector<std::string>& arguments);

// SelectCommandLine over this process's environment and argv.
std::u16string ToolCommandLine(int argc, char** argv);

}  // namespace tessera::tools
