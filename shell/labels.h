// Finding a jump label in a batch file.
#pragma once

#include <optional>
#include <string_view>

#include "shell/text_lines.h"

namespace tessera {

// Searches from the current line to the end, then from the first line up to
// the one before the current. A line ":W" matches when the label begins
// with W (without regard to case), so :END is found by END and ENDING.
std::optional<std::size_t> FindLabel(std::u16string_view label, const TextLines& lines,
                                     std::size_t current);

}  // namespace tessera
