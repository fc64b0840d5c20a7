// ECHO: print a text, write it to a file, or switch the echo of batch lines.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode EchoCommand(CommandCall& call);

// True when TEXTCODE asks for UTF-16 files ("unicode..." in any case).
bool UnicodeTextMode(const ShellContext& context);

}  // namespace tessera
