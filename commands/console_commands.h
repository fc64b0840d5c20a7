// The small commands the dispatcher runs itself.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode ClsCommand(CommandCall& call);
ResultCode RemCommand(CommandCall& call);
ResultCode PauseCommand(CommandCall& call);
ResultCode SleepCommand(CommandCall& call);
ResultCode BeepCommand(CommandCall& call);
ResultCode ExitCommand(CommandCall& call);
ResultCode EntryCommand(CommandCall& call);
ResultCode GotoCommand(CommandCall& call);

}  // namespace tessera
