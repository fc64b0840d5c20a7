// Where the shell's standard streams rest between programs: fixed files in
// the temporary directory, so that a program started without redirection
// never reads or writes the shell's terminal.
#pragma once

#include "platform/process.h"

namespace tessera {

// Points the stream at its resting file (made when missing); false when
// the file cannot be made or opened.
bool RestStream(platform::StandardStream stream);
// Detaches the stream from its resting file and deletes that file.
void ReleaseRestingFile(platform::StandardStream stream);
// Forgets the resting paths (a new device root in tests).
void ResetRestingFiles();

}  // namespace tessera
