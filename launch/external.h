// Commands that are not built in: programs, batch files and documents.
#pragma once

#include <string_view>

#include "shell/result_codes.h"
#include "shell/shell_context.h"

namespace tessera {

// Runs the command line's first word as an external command. Until
// programs can be started, every such command is reported as not found.
ResultCode RunExternalCommand(std::u16string_view commandLine, ShellContext& context);

}  // namespace tessera
