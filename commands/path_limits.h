// The length limit of device paths as the file commands enforce it.
#pragma once

#include <string_view>

#include "shell/shell_context.h"

namespace tessera {

// True when the path does not fit a device path (259 units): such a name
// is refused whole, never cut into the name of some other file.
bool IsTooLongPath(std::u16string_view path);

// Writes message 39 ("path name too long") with the path.
void ShowPathTooLong(std::u16string_view path);

}  // namespace tessera
