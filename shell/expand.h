// Replacing %-references of a command line with their text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

// Flags of ExecuteLine that matter here.
inline constexpr std::uint32_t kExpandInBatch = 2;

// Longest expanded line. A longer one is given up as if memory were
// lacking: a batch file that calls itself with its arguments doubled would
// otherwise grow its lines without bound.
inline constexpr std::size_t kMaxExpandedLine = 32767;

struct Expansion {
  std::u16string text;  // the expanded line, trailing blanks removed
  std::size_t substitutions = 0;
  bool tooLong = false;  // past kMaxExpandedLine: text is the line unchanged
};

// %% gives %, %NAME% the first visible value whose name begins with NAME
// (without regard to case); in a batch file also %0-%9, %* and the %~
// forms. A line without any substitution comes back unchanged (undefined
// names and a lone % stay); once one was made, undefined references vanish
// and an unpaired % drops the rest of the line. An expansion past
// kMaxExpandedLine stops there and gives the line unchanged, with tooLong.
Expansion ExpandVariables(std::u16string_view line, ShellContext& context, std::uint32_t flags);

// Longest result of one %~ reference.
inline constexpr std::size_t kMaxTildeResult = 311;

}  // namespace tessera
