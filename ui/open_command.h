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
  std::u16string path;         // as typed: no trailing '\', quoted with a blank, '%' doubled
  std::u16string historyLine;  // the command line that does it, as the history keeps it
};

OpenCommand CommandForOpenedPath(std::u16string_view devicePath, bool isDirectory);

// Echoes the command line and runs it as a typed line (it joins the
// history); kOk when it left ERRORLEVEL at 0.
ResultCode RunOpenCommand(const OpenCommand& command, ShellContext& context);

}  // namespace tessera::ui
