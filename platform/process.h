// Programs started by the shell, the shell's own standard streams, and
// documents handed to the host's opener.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/result.h"

namespace tessera::platform {

// The exit code a program reports while it still runs.
inline constexpr std::uint32_t kStillActive = 259;
// The exit code of a program the shell ended.
inline constexpr std::uint32_t kTerminatedExitCode = 0xFFFFFFFF;

// Splits a command line into arguments the way programs of the device do:
// blanks separate, double quotes group, 2n backslashes before a quote give
// n backslashes and a quote, 2n+1 give n and a literal quote, "" inside a
// quoted part is a literal quote.
std::vector<std::u16string> SplitCommandLine(std::u16string_view commandLine);

struct SpawnRequest {
  std::u16string program;      // device path of the program
  std::u16string commandLine;  // the argument text, as given to the program
  std::vector<std::pair<std::string, std::string>> environment;  // added or replaced
};

// A started program. Its exit is collected as soon as it is seen, so no
// finished child lingers; the handle is kept until the shell lets it go.
class Process {
 public:
  Process() = default;
  explicit Process(int pid) : pid_(pid) {}
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();

  std::uint32_t id() const { return static_cast<std::uint32_t>(pid_); }
  // kStillActive while it runs, else its exit code (a program ended by a
  // signal gives 128 + the signal's number, one the shell ended -1).
  Result<std::uint32_t> ExitCode();
  // Ends the program and the programs it started; its exit code becomes
  // kTerminatedExitCode. Harmless when it has ended already.
  Status Terminate();
  // Waits until the program ends or the time is up (an interrupt, such as
  // Ctrl+C, ends the wait early); then ExitCode tells which.
  void WaitForExit(int milliseconds);

 private:
  int pid_ = -1;
  bool collected_ = false;
  bool terminatedByShell_ = false;
  std::uint32_t exitCode_ = 0;
};

// Starts a program with descriptors 0-2 as they are now (every other
// descriptor of the shell is closed in the child). NotFound when the
// program file is missing, AccessDenied when it cannot be run.
Result<Process> SpawnProgram(const SpawnRequest& request);

// Hands a document to the host's opener (TESSERA_OPEN, else xdg-open)
// without waiting for it.
Status OpenDocument(std::u16string_view path, std::u16string_view parameters);

// Starts a program on its own, not waited for and not kept (the help
// viewer, for one). NotFound when it is missing, AccessDenied when it
// cannot be run.
Status StartDetachedProgram(std::u16string_view program, std::u16string_view commandLine);

// The shell's own standard streams, re-pointed at device files.
enum class StandardStream { Input = 0, Output = 1, Error = 2 };
enum class StreamMode { Read, Write, Append };
Status ReopenStandardStream(StandardStream stream, std::u16string_view path, StreamMode mode);
// Points the stream at nothing (the host's null device), so that its
// descriptor stays taken.
Status DetachStandardStream(StandardStream stream);

// Creates a new empty file "<prefix><number>.tmp" in the directory (the
// first three characters of the prefix are used), exclusively, mode 0600;
// gives its device path.
Result<std::u16string> CreateUniqueTempFile(std::u16string_view directory,
                                            std::u16string_view prefix);

// The process id of the shell itself.
std::uint32_t CurrentProcessId();

}  // namespace tessera::platform
