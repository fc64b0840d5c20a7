// Replacing %-references of a command line with their text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

// Flags of ExecuteLine that matter here.
inline constexpr std::uint32_t kExpandInBatch = 2;

struct Expansion {
  std::u16string text;  // the expanded line, trailing blanks removed
  std::size_t substitutions = 0;
};

// %% gives %, %NAME% the first visible value whose name begins with NAME
// (without regard to case); in a batch file also %0-%9, %* and the %~
// forms. A line without any substitution comes back unchanged (undefined
// names and a lone % stay); once one was made, undefined references vanish
// and an unpaired % drops the rest of the line.
Expansion ExpandVariables(std::u16string_view line, ShellContext& context, std::uint32_t flags);

// Longest result of one %~ reference.
inline constexpr std::size_t kMaxTildeResult = 311;

}  // namespace tessera
