// Joining device paths and finding the session's current directory.
#pragma once

#include <string>
#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

// Joins the components of base and relative: "." is dropped, ".." removes
// the last component (nothing at the root), runs of '\' count as one and
// leading blanks of a component are skipped. Gives "\a\b" or, with no
// components left, the empty text (the root). A leading '\' of relative is
// ignored; callers that want an absolute relative path test for it first.
std::u16string JoinPath(std::u16string_view base, std::u16string_view relative);

// The CUR DIR entry (null when there is none). A directory that no longer
// exists is first reset to the root (the empty text).
ContextValue* GetCurrentDirectoryValue(ShellContext& context);

// The directory part of path (before its last '\'), a '\' and name; the
// empty text when path has no '\'.
std::u16string ReplaceFileName(std::u16string_view path, std::u16string_view name);

// The path the platform is given for a directory value: "\" for the root.
std::u16string DirectoryForPlatform(std::u16string_view directory);

// A name made absolute: kept when it begins with '\', else joined to the
// current directory.
std::u16string MakeAbsolute(ShellContext& context, std::u16string_view name);

}  // namespace tessera
