// Commands that are not built in: programs, batch files and documents.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "shell/result_codes.h"
#include "shell/shell_context.h"

namespace tessera {

// Runs the command line's first word as an external command: found in the
// current directory, then along PATH (.EXE before .BAT); batch files run
// through CALL, programs are started and waited for, other files are
// handed to the host's opener.
ResultCode RunExternalCommand(std::u16string_view commandLine, ShellContext& context);

struct ResolvedCommand {
  std::u16string path;
  bool batch = false;
};

// Probes one place for the command (directory none: absolute, or the
// current directory). A directory of that name counts as found.
std::optional<ResolvedCommand> ResolveCommandFile(const std::u16string* directory,
                                                  const std::u16string* current,
                                                  std::u16string_view name,
                                                  std::u16string_view extension);

// Starts a program (an .exe path) or opens a document.
bool LaunchFile(const std::u16string& path, std::u16string_view arguments, ShellContext& context);
// Starts a program with the redirections of its argument text and, unless
// it runs in the background, waits for it.
bool RunProgram(const std::u16string& path, std::u16string_view arguments, ShellContext& context);

}  // namespace tessera
