// Pointing the shell's standard streams at a child's redirection targets
// and capture files before it starts, and back afterwards.
#pragma once

#include <optional>
#include <string>

#include "launch/redirection.h"

namespace tessera {

struct ChildStreams {
  bool unicode = false;         // TEXTCODE asks for UTF-16 streams
  bool inputReopened = false;   // on the user's < file
  bool outputReopened = false;  // on the user's > file or a capture file
  bool errorReopened = false;
  std::u16string outputCapture;  // capture files; empty when not captured
  std::u16string errorCapture;
};

// Sets the streams up in the order input, output, error. On failure shows
// the message, undoes what was done and gives none.
std::optional<ChildStreams> SetUpChildStreams(const RedirectSpec& redirect, ShellContext& context);
// After a foreground child: shows the captured output, then the captured
// errors, puts every stream back on its resting file and deletes the
// capture files.
void FinishChildStreams(ChildStreams& streams, ShellContext& context);
// After a background start, or when the start failed: streams back, capture
// files deleted, nothing shown.
void PutBackChildStreams(ChildStreams& streams);

}  // namespace tessera
