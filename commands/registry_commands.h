// ADDREG, DELREG (DELETEREG) and DIRREG (PRINTREG): write, delete and show
// values of the device registry in the registry line syntax.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode AddRegCommand(CommandCall& call);
ResultCode DelRegCommand(CommandCall& call);
ResultCode DirRegCommand(CommandCall& call);

}  // namespace tessera
