// CALL, IF and SHIFT: the commands of batch files.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode CallCommand(CommandCall& call);
ResultCode IfCommand(CommandCall& call);
ResultCode ShiftCommand(CommandCall& call);

}  // namespace tessera
