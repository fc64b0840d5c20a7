// COMP: tell whether two files hold the same bytes.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode CompCommand(CommandCall& call);

}  // namespace tessera
