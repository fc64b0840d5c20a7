// BG and KILL: the background programs of the process table, listed and
// ended.
#pragma once

#include "shell/command.h"

namespace tessera {

// BG [/ALL]: the running background programs, newest first.
ResultCode BgCommand(CommandCall& call);
// KILL number | process id | program name | /ALL, each asked for first.
ResultCode KillCommand(CommandCall& call);

}  // namespace tessera
