// SET, PATH and PROMPT: the session's environment variables.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode SetCommand(CommandCall& call);
ResultCode PathCommand(CommandCall& call);
ResultCode PromptCommand(CommandCall& call);

}  // namespace tessera
