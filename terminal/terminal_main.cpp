#include "terminal/terminal_main.h"

namespace tessera::terminal {

int TerminalMain(int, char**) { return 0; }

}  // namespace tessera::terminal
