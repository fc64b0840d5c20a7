// The end of the session asked for from outside: SIGTERM (a kill) and
// SIGHUP (a logout, a closed terminal). The signal is only recorded; the
// front end shuts down as on Exit when it next looks.
#pragma once

namespace tessera::platform {

// Records SIGTERM and SIGHUP instead of ending the process at once.
// Waiting reads and polls return early (no automatic restart).
void InstallTerminationHandler();
// The signal that asked the session to end; 0 while none has.
int TerminationSignal();
// A descriptor that becomes readable once the signal has arrived (for an
// event loop to watch); -1 before the handler is installed.
int TerminationDescriptor();
// Ends the process by the recorded signal, with its default action, so
// that the parent sees how it ended.
[[noreturn]] void EndByTerminationSignal();

}  // namespace tessera::platform
