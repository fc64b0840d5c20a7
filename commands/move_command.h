// MOVE (MV): move files and directories into a directory or to a new name.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode MoveCommand(CommandCall& call);

}  // namespace tessera
