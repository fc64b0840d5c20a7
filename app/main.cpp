// Tessera.exe: the shell. `--tty` runs it in a terminal.
#include "terminal/terminal_main.h"

int main(int argc, char** argv) { return tessera::terminal::TerminalMain(argc, argv); }
