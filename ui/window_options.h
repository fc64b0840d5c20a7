// The command line of the window: `Tessera.exe [--root DIR] [--run LINE]...
// [--screenshot FILE]`.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tessera::ui {

struct WindowOptions {
  std::optional<std::string> root;    // --root DIR, the host's bytes as given
  std::vector<std::u16string> lines;  // --run LINE: typed and run after start-up
  std::string screenshot;             // --screenshot FILE: save the window there and quit
};

struct ParsedWindowOptions {
  WindowOptions options;
  std::string error;  // not empty: the command line could not be read
};

// Arguments as bash gave them, without the program name and with the
// toolkit's own already removed. A line to run is read as UTF-8 when valid,
// else in the ANSI code page, and refused when neither reads it.
ParsedWindowOptions ParseWindowOptions(const std::vector<std::string>& arguments);

}  // namespace tessera::ui
