// Running batch files: CALL and the engine behind it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/result_codes.h"
#include "shell/shell_context.h"

namespace tessera {

// Longest batch name kept as %0, in UTF-16 units.
inline constexpr std::size_t kMaxBatchName = 519;
// Batch files calling batch files deeper than this end with a message
// instead of exhausting the stack (a file that calls itself forever).
inline constexpr int kMaxBatchDepth = 400;

struct FoundBatch {
  std::u16string path;
  std::vector<std::u16string> arguments;  // element 0 is the name as given
};

// Splits the text after a batch name into arguments: blanks separate; a
// quoted argument keeps its quotes; an operator character is an argument
// of its own.
std::vector<std::u16string> SplitBatchArguments(std::u16string_view text);

// Finds the batch file named by the first token of text: as given when
// absolute, else in the current directory, then along PATH; without an
// extension .EXE and then .BAT are tried.
std::optional<FoundBatch> FindBatchFile(std::u16string_view text, ShellContext& context);

// CALL [/E] [/I] [/N] [/P dir] [/X] name [arguments].
ResultCode CallBatch(std::u16string_view text, ShellContext& context);

}  // namespace tessera
