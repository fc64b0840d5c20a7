// Moving and renaming files and directories without ever replacing anything.
#pragma once

#include <string_view>

#include "platform/result.h"

namespace tessera::platform {

// Moves a file or a whole directory (a symbolic link as the link itself) to
// a new name. Never replaces: AlreadyExists when the new name is taken (a
// name differing from the source only in letter case reaches the source
// itself, so it is taken too). FileNotFound / PathNotFound when the
// source or the new name's directory is missing; NotSameDevice when the
// new name lies on another file system (nothing is moved).
Status MoveEntry(std::u16string_view source, std::u16string_view destination);

}  // namespace tessera::platform
