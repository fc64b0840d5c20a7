// The command line of `Tessera.exe --tty`.
#pragma once

#include <optional>
#include <string>

namespace tessera::terminal {

struct TerminalOptions {
  std::optional<std::string> root;     // --root DIR
  int columns = 32;                    // --columns N
  std::optional<bool> answer;          // --yes / --no
  std::optional<std::string> command;  // -c LINE
  bool showUsage = false;              // --help
  bool showVersion = false;            // --version
};

struct ParsedOptions {
  TerminalOptions options;
  std::string error;  // not empty: the command line could not be read
};

ParsedOptions ParseTerminalOptions(int argc, char** argv);
std::string TerminalUsage();

}  // namespace tessera::terminal
