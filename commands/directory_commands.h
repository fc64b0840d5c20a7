// CD (CHDIR, PWD), PUSHD and POPD: the session's current directory.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode CdCommand(CommandCall& call);
ResultCode PushdCommand(CommandCall& call);
ResultCode PopdCommand(CommandCall& call);

}  // namespace tessera
