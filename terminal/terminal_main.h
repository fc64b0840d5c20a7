// Entry of the terminal front end (`Tessera.exe --tty`).
#pragma once

namespace tessera::terminal {

// Parses the command line, sets up the device and runs the shell in the
// terminal; gives the process exit code.
int TerminalMain(int argc, char** argv);

}  // namespace tessera::terminal
