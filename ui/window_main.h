// Entry of the window front end.
#pragma once

namespace tessera::ui {

// Sets up the device, opens the window and runs it; gives the exit code.
int WindowMain(int argc, char** argv);

}  // namespace tessera::ui
