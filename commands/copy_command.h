// COPY / CP: copy one file, copy matches into a directory, or join matches
// into one file.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode CopyCommand(CommandCall& call);

}  // namespace tessera
