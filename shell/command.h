// The shape every built-in command has, and the table that lists them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "shell/result_codes.h"
#include "shell/shell_context.h"
#include "shell/text_lines.h"

namespace tessera {

enum ExecuteFlags : std::uint32_t {
  kNoExpand = 1,  // the line was expanded already (the command of IF)
  kInBatch = 2,   // the line comes from a batch file
};

// Where a batch file stands: its lines and the line being run. Outside a
// batch file there is none.
struct BatchPosition {
  const TextLines* lines = nullptr;
  std::optional<std::size_t> current;
};

// What a command asks of the batch run once it returns.
enum class BatchFlow { Next, EndFile, JumpToLabel };

struct CommandCall {
  std::u16string_view word;       // the command word, upper case
  std::u16string_view arguments;  // the text after it, leading blanks skipped
  ShellContext& context;
  std::uint32_t flags = 0;
  const BatchPosition* batch = nullptr;
  long previousErrorLevel = 0;  // IF tests the level the last command left
  BatchFlow flow = BatchFlow::Next;
  std::size_t labelLine = 0;  // with JumpToLabel: the label's line
};

using CommandHandler = ResultCode (*)(CommandCall& call);

// When the dispatcher sets ERRORLEVEL to 0 around a command.
enum class LevelReset {
  Before,         // before the handler runs
  AfterSuccess,   // after it, when it reports success (ECHO)
  None,           // never (REM, PAUSE, EXIT)
  ReadThenReset,  // read the level for the handler, then set 0 (IF)
};

struct BuiltinCommand {
  std::array<std::u16string_view, 3> words;  // unused places are empty
  CommandHandler handler;
  LevelReset reset;
};

// The built-in table in lookup order; the first row whose words match the
// upper-cased command word runs.
std::span<const BuiltinCommand> BuiltinCommands();
const BuiltinCommand* FindBuiltin(std::u16string_view upperWord);

}  // namespace tessera
