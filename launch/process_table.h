// The programs the shell started and may still need: BG lists them, KILL
// ends them (commands/process_commands.h), and the shell offers to end them
// when it closes.
#pragma once

#include <string>
#include <vector>

#include "platform/filetime.h"
#include "platform/process.h"
#include "shell/command.h"

namespace tessera {

inline constexpr std::size_t kRecordedArguments = 64;

struct ProcessRecord {
  platform::Process process;
  std::uint32_t processId = 0;
  std::u16string programPath;
  std::u16string arguments;  // the first 64 characters
  platform::SystemTime startTime;
};

class ProcessTable {
 public:
  void Append(ProcessRecord record);
  void RemoveLast();
  // Removes every record whose program has ended, newest first.
  void Purge();
  // Ends every program, oldest first, and empties the table.
  void EndAll();
  std::vector<ProcessRecord>& records() { return records_; }
  std::size_t size() const { return records_.size(); }
  ProcessRecord& Last() { return records_.back(); }

 private:
  std::vector<ProcessRecord> records_;
};

ProcessTable& Processes();
bool IsAlive(ProcessRecord& record);
// The text after the last '\' of a program path.
std::u16string ProgramFileName(std::u16string_view path);

// For closing the shell: purges ended records and gives how many programs
// still run.
std::size_t PurgeForExit();
// Asks whether to end the programs still running (OK ends them all); false
// when the user chose to keep them, after telling how to close.
bool ConfirmExitWithPrograms();

}  // namespace tessera
