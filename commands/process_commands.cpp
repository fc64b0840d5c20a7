#include "commands/process_commands.h"

#include "launch/process_table.h"
#include "platform/text.h"
#include "shell/format.h"
#include "shell/output.h"
#include "shell/resources.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

constexpr std::int32_t kBadCommandSyntax = 119;
constexpr std::int32_t kNoSuchProcess = 146;
constexpr std::uint32_t kStringKillAll = 35006;
constexpr std::uint32_t kStringKillOne = 35007;

// The program's own table, whatever language is active.
std::u16string ProgramString(std::uint32_t id) {
  return std::u16string(ProgramResources().String(id).value_or(u""));
}

void ConfirmAndEnd(ProcessRecord& record) {
  if (IsAlive(record)) {
    const std::u16string question =
        FormatMessage(ProgramString(kStringKillOne),
                      {record.processId, ProgramFileName(record.programPath), record.arguments});
    if (AskUser(question, MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                MessageBoxAnswer::Yes) != MessageBoxAnswer::Yes) {
      return;
    }
  }
  (void)record.process.Terminate();
}

}  // namespace

ResultCode BgCommand(CommandCall& call) {
  ProcessTable& table = Processes();
  table.Purge();
  if (table.size() == 0) return kOk;
  const bool all = platform::StartsWithNoCase(SkipBlanks(call.arguments), u"/all");
  if (all) PrintText(u"No ProcID     STime Command");
  int number = 0;
  auto& records = table.records();
  for (std::size_t i = records.size(); i-- > 0;) {
    ProcessRecord& record = records[i];
    if (!IsAlive(record)) {
      records.erase(records.begin() + static_cast<std::ptrdiff_t>(i));
      continue;
    }
    ++number;
    if (all) {
      PrintText(FormatMessage(u"%2d %-10lu %02d:%02d %s %s",
                              {number, record.processId, record.startTime.hour,
                               record.startTime.minute, record.programPath, record.arguments}));
    } else {
      PrintText(FormatMessage(u"%2d %s %s",
                              {number, ProgramFileName(record.programPath), record.arguments}));
    }
  }
  return kOk;
}

ResultCode KillCommand(CommandCall& call) {
  const std::u16string_view text = SkipBlanks(call.arguments);
  if (text.empty()) {
    ShowError(kBadCommandSyntax);
    return kInvalidArgument;
  }
  ProcessTable& table = Processes();
  if (platform::StartsWithNoCase(text, u"/all")) {
    if (AskUser(ProgramString(kStringKillAll), MessageBoxButtons::YesNo, MessageBoxIcon::Question,
                MessageBoxAnswer::No) != MessageBoxAnswer::Yes) {
      return kStoppedByUser;
    }
    table.EndAll();
    return kOk;
  }
  auto& records = table.records();
  const long n = ParseLong(text);
  if (n != 0) {
    for (auto& record : records) {
      if (record.processId == static_cast<std::uint32_t>(n)) {
        ConfirmAndEnd(record);
        return kOk;
      }
    }
    if (n > 0 && static_cast<std::size_t>(n) <= records.size()) {
      ConfirmAndEnd(records[records.size() - static_cast<std::size_t>(n)]);
      return kOk;
    }
  }
  for (auto& record : records) {
    if (platform::StartsWithNoCase(ProgramFileName(record.programPath), text)) {
      ConfirmAndEnd(record);
      return kOk;
    }
  }
  ShowError(kNoSuchProcess);
  return kInvalidArgument;
}

}  // namespace tessera
