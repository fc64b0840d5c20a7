#include "commands/console_commands.h"

#include <chrono>
#include <thread>

#include "shell/labels.h"
#include "shell/message_catalogue.h"
#include "shell/output.h"
#include "shell/scanner.h"

namespace tessera {

ResultCode ClsCommand(CommandCall&) {
  ClearConsole();
  return kOk;
}

ResultCode RemCommand(CommandCall&) { return kOk; }

ResultCode PauseCommand(CommandCall&) {
  AskUser(GetMessageText(msg::kPauseText), MessageBoxButtons::Ok, MessageBoxIcon::None,
          MessageBoxAnswer::Ok);
  return kOk;
}

ResultCode SleepCommand(CommandCall& call) {
  const long milliseconds = ParseLong(call.arguments);
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  return kOk;
}

ResultCode BeepCommand(CommandCall& call) {
  if (Host* host = CurrentHost()) host->Beep(static_cast<std::uint32_t>(ParseLong(call.arguments)));
  return kOk;
}

ResultCode ExitCommand(CommandCall& call) {
  if (call.flags & kInBatch) {
    call.flow = BatchFlow::EndFile;
    return kOk;
  }
  Session().commandRunning = false;
  if (Host* host = CurrentHost()) host->CloseApplication();
  return kOk;
}

ResultCode EntryCommand(CommandCall& call) {
  if (!call.arguments.empty()) {
    if (Host* host = CurrentHost()) host->AddToHistory(call.arguments);
  }
  return kOk;
}

ResultCode GotoCommand(CommandCall& call) {
  const BatchPosition* batch = call.batch;
  if (!(call.flags & kInBatch) || !batch || !batch->lines || !batch->current) {
    SetErrorLevel(call.context, 1);
    return kNotCarriedOut;
  }
  const std::u16string_view label = call.arguments.substr(0, WordEnd(call.arguments, false));
  const std::optional<std::size_t> found = FindLabel(label, *batch->lines, *batch->current);
  if (!found) {
    ShowError(69, label);
    SetErrorLevel(call.context, 1);
    return kNotCarriedOut;
  }
  call.flow = BatchFlow::JumpToLabel;
  call.labelLine = *found;
  SetErrorLevel(call.context, 0);
  return kOk;
}

}  // namespace tessera
