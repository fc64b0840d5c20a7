// Opening the window: the window front end is loaded when it is needed.
#pragma once

namespace tessera::app {

// Loads the window library beside the program and runs the window; when
// the library cannot be loaded, says why and gives 1.
int OpenWindow(int argc, char** argv);

}  // namespace tessera::app
