// The standard streams and process facts a window-less tool needs: whole
// standard input, standard output writes, its parent and its environment.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/result.h"

namespace tessera::platform {

// Reads standard input to its end.
Result<std::string> ReadStandardInput();
// Reads one line from standard input: up to a line end (taken, not kept)
// or maxBytes bytes, whichever comes first; empty at the end of input.
std::string ReadStandardInputLine(std::size_t maxBytes);
// Writes all bytes to standard output (retrying after interrupts).
Status WriteStandardOutput(std::string_view bytes);
// Writes all bytes to standard error (retrying after interrupts).
Status WriteStandardError(std::string_view bytes);
// Process id of the parent process.
long ParentProcessId();
// The value of an environment variable; none when it is not set.
std::optional<std::string> EnvironmentValue(const char* name);

}  // namespace tessera::platform
