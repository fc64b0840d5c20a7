// MKDIR (MD) and RMDIR (RD): create a directory with its parents, remove
// one or, with /S, a whole tree.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode MkdirCommand(CommandCall& call);
ResultCode RmdirCommand(CommandCall& call);

}  // namespace tessera
