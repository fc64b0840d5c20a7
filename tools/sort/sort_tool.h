// sort: the lines of a file or of standard input in code-unit order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/tool_environment.h"

namespace tessera::tools {

struct SortOptions {
  bool usage = false;       // /H
  bool descending = false;  // /R
  bool unicode = false;     // /U
  bool unique = false;      // /Q, not in the usage text
  std::optional<std::u16string> file;
};

// Options first, then everything else is the file name (blanks included).
SortOptions ParseSortCommandLine(std::u16string_view text, std::u16string_view directory);

// The reads of the text as stored lines (views into it): with Unicode input
// a final CR LF is removed (a lone LF stays), otherwise a final LF.
std::vector<std::u16string_view> SplitSortLines(std::u16string_view text, bool unicode);

// Stable order by code unit, ascending or descending; unique drops a line
// identical to the one before it.
void SortLines(std::vector<std::u16string_view>& lines, bool descending, bool unique);

// The whole program; returns its exit code.
int RunSort(const ToolContext& context);

}  // namespace tessera::tools
