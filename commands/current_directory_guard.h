// The guard that keeps the current directory and its parents from being
// renamed or removed.
#pragma once

#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

// True when the current directory begins with path, compared without regard
// to case over the path's length. A plain prefix test: "\ab" guards "\abc"
// too, which errs on the side of refusing.
bool IsCurrentDirectoryOrParent(ShellContext& context, std::u16string_view path);

}  // namespace tessera
