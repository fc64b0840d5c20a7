// What every tool does at start and the files it reads.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/result.h"
#include "tools/common/text_streams.h"

namespace tessera::tools {

// Exit code of sort and upcase when the input cannot be read or the output
// fails (-1, seen as 255 by the parent).
inline constexpr int kExitFailure = -1;

// Sets up the device namespace when TESSERA_ROOT names a device root, so that
// '\' paths reach the device; host paths work without it. Never links or
// changes anything of the program's folder.
void SetupToolDevice();

// The whole content of a file (device or host path).
platform::Result<std::string> ReadFileBytes(std::u16string_view path);

// Everything a tool takes from its surroundings; tests build their own.
struct ToolContext {
  std::u16string commandLine;
  std::u16string directory;                // the shell's current directory, or empty
  int fileCodePage = kCodePageUtf8OrAnsi;  // multibyte files the tool opens itself
  StreamMode inputMode = StreamMode::Utf8;
  std::function<platform::Result<std::string>()> readStandardInput;
  ToolOutput* output = nullptr;
};

// The context of this process: its command line, the shared directory, the
// stream modes, standard input and the given output.
ToolContext ProcessToolContext(int argc, char** argv, ToolOutput& output);

// The text a line tool reads: the named file (UTF-16LE when unicodeFile, a
// byte-order mark skipped when skipMark; else multibyte in the file code
// page), or standard input as its mode says when no file is named.
// Multibyte text that cannot be read without replacing characters fails
// with NoUnicodeTranslation after a line on the output that says where.
platform::Result<std::u16string> ReadToolInput(const ToolContext& context,
                                               const std::optional<std::u16string>& file,
                                               bool unicodeFile, bool skipMark);

}  // namespace tessera::tools
