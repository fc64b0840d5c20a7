#include "app/window_loader.h"

#include <string>

#include "app/window_library.h"
#include "platform/shared_library.h"
#include "platform/terminal.h"

namespace tessera::app {

int OpenWindow(int argc, char** argv) {
  auto library = platform::SharedLibrary::OpenBesideProgram(kWindowLibraryFile);
  WindowMainFunction* entry =
      library ? library->FunctionNamed<WindowMainFunction>("TesseraWindowMain") : nullptr;
  if (!entry) {
    const std::string reason =
        library ? std::string("it has no window entry") : platform::LastLoadError();
    platform::WriteAll(2, std::string("Tessera: cannot open the window (") + kWindowLibraryFile +
                              "): " + reason + "\nTessera --tty runs the shell in the terminal.\n");
    return 1;
  }
  // Qt stays loaded to the end: it still has work to do when the process exits.
  library->KeepLoaded();
  return entry(argc, argv);
}

}  // namespace tessera::app
