// Tessera.exe: the shell. It opens its window when a display is there;
// `--tty`, or no display, runs it in the terminal.
#include <cstdlib>
#include <string_view>

#include "app/window_loader.h"
#include "launch/stream_probe.h"
#include "terminal/terminal_main.h"

namespace {

bool HasFlag(int argc, char** argv, std::string_view flag) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == flag) return true;
  }
  return false;
}

bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // The second copy a first start runs to see which standard streams reach
  // a program: it answers and ends, before anything else of the program.
  if (argc > 1 && argv[1] == tessera::kStreamCheckArgument) return tessera::AnswerStreamCheck();
  // -c, --help and --version are terminal uses whatever the display.
  const bool terminalUse = HasFlag(argc, argv, "--tty") || HasFlag(argc, argv, "-c") ||
                           HasFlag(argc, argv, "--help") || HasFlag(argc, argv, "--version");
  if (!terminalUse && DisplayAvailable()) return tessera::app::OpenWindow(argc, argv);
  return tessera::terminal::TerminalMain(argc, argv);
}
