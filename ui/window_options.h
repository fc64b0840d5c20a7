// The command line of the window: `Tessera.exe [--root DIR] [--run LINE]...
// [--screenshot FILE]`.
#pragma once

#include <QStringList>
#include <optional>
#include <string>

namespace tessera::ui {

struct WindowOptions {
  std::optional<std::string> root;  // --root DIR
  QStringList lines;                // --run LINE: typed and run after start-up
  QString screenshot;               // --screenshot FILE: save the window there and quit
};

struct ParsedWindowOptions {
  WindowOptions options;
  QString error;  // not empty: the command line could not be read
};

// Arguments without the program name, Qt's own already removed.
ParsedWindowOptions ParseWindowOptions(const QStringList& arguments);

}  // namespace tessera::ui
