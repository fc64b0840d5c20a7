// diff: the command line, the files and the comparison of two text files.
#pragma once

#include <string>
#include <vector>

#include "tools/common/tool_environment.h"
#include "tools/diff/diff_engine.h"

namespace tessera::tools {

// True when the first bytes of a file (at most 1024) show UTF-16: a
// byte-order mark or any zero byte.
bool LooksLikeUnicode(std::string_view bytes);

// A file's text as lines (views into it): reads of at most 10239
// characters, each without a final CR LF (two or more characters) or LF.
std::vector<DiffLine> SplitDiffLines(std::u16string_view text);

int RunDiff(const ToolContext& context);

}  // namespace tessera::tools
