// DATE and TIME: show or set the device clock.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode DateCommand(CommandCall& call);
ResultCode TimeCommand(CommandCall& call);

}  // namespace tessera
