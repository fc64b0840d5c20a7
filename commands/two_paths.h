// Reads the two paths of COPY, MOVE and COMP from their argument text.
#pragma once

#include <string>
#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

enum class TwoPathsOutcome {
  Both,         // first and second are set
  NoArguments,  // the argument text is empty
  NoFirst,      // the first token is unusable (a quote never closed)
  NoSecond,     // only one token
  OutOfMemory,
};

struct TwoPaths {
  TwoPathsOutcome outcome = TwoPathsOutcome::NoArguments;
  std::u16string first;
  std::u16string second;
};

// Takes the first two tokens (double quotes group a token) and ignores the
// rest; a token that does not begin with '\' is joined to the current
// directory, folding "." and "..".
TwoPaths ReadTwoPaths(std::u16string_view arguments, ShellContext& context);

}  // namespace tessera
