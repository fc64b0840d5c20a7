// Knowing that a directory is still where it was without asking the file
// system each time: the directory and the folders above it, up to the device
// root, are watched, and whatever removes or renames one of them, changes
// their permissions or the entries on the way — the shell itself, a program
// it runs, any other process — is reported to the watching thread as it
// happens.
#pragma once

#include <string_view>

namespace tessera::platform {

// Starts watching the way to a directory (a device path; "\" is the root),
// replacing the previous watch. Gives false when the way cannot be watched
// (a folder is missing, or the system refuses); nothing is watched then.
bool WatchDirectory(std::u16string_view devicePath);
// True while something is watched and nothing has changed on its way since
// WatchDirectory. Costs no system call while nothing happened.
bool WatchedDirectoryUnchanged();
// Drops the watch and makes ready for the next one (a new device root). The
// queue of events is opened once, here or at the first watch, and stays.
void ResetDirectoryWatch();

}  // namespace tessera::platform
