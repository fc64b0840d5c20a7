// Whether the shell redirects and captures each standard stream.
#pragma once

namespace tessera {

struct StreamSwitches {
  bool useStdin = true;
  bool useStdout = true;
  bool useStderr = true;
};

// Fixed at start-up; a switch that is off skips that redirection silently.
StreamSwitches& CurrentStreamSwitches();
// Reads USE_STDIN, USE_STDOUT and USE_STDERR (default on) from the settings.
void LoadStreamSwitches();

}  // namespace tessera
