// The window front end as a library of the program: Tessera.exe loads it
// only when a window opens, so that the terminal front end starts without
// Qt and what Qt brings along.
#include "app/window_library.h"

#include "ui/window_main.h"

extern "C" __attribute__((visibility("default"))) int TesseraWindowMain(int argc, char** argv) {
  return tessera::ui::WindowMain(argc, argv);
}
