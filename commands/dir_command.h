// DIR / LS: list a directory or the entries that match a pattern.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode DirCommand(CommandCall& call);

}  // namespace tessera
