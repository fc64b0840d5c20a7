// Opening a file as a command (File > Open): a folder is changed to, a
// batch file called, a program started and any other file typed.
#pragma once

#include <string>
#include <string_view>

#include "shell/result_codes.h"
#include "shell/shell_context.h"

namespace tessera::ui {

enum class OpenAction { ChangeDirectory, CallBatch, StartProgram, TypeFile };

struct OpenCommand {
  OpenAction action = OpenAction::TypeFile;
  std::u16string path;         // without trailing '\', quoted when it holds a blank
  std::u16string historyLine;  // what the history keeps of it
};

OpenCommand CommandForOpenedPath(std::u16string_view devicePath, bool isDirectory);

// Echoes the command, adds it to the history and runs it.
ResultCode RunOpenCommand(const OpenCommand& command, ShellContext& context);

}  // namespace tessera::ui
