#include "terminal/terminal_options.h"

#include <charconv>
#include <string_view>

namespace tessera::terminal {

namespace {

constexpr int kMinColumns = 10;
constexpr int kMaxColumns = 1000;

// Gives the value of "--name VALUE" or "--name=VALUE" and advances i.
std::optional<std::string> TakeValue(int argc, char** argv, int& i, std::string_view name) {
  const std::string_view arg = argv[i];
  if (arg.size() > name.size() && arg.substr(0, name.size()) == name && arg[name.size()] == '=') {
    return std::string(arg.substr(name.size() + 1));
  }
  if (arg != name || i + 1 >= argc) return std::nullopt;
  return std::string(argv[++i]);
}

bool Matches(std::string_view arg, std::string_view name) {
  return arg == name || (arg.size() > name.size() && arg.substr(0, name.size()) == name &&
                         arg[name.size()] == '=');
}

}  // namespace

ParsedOptions ParseTerminalOptions(int argc, char** argv) {
  ParsedOptions parsed;
  TerminalOptions& options = parsed.options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--tty") continue;
    if (arg == "--yes" || arg == "--no") {
      options.answer = arg == "--yes";
    } else if (arg == "--help" || arg == "-h") {
      options.showUsage = true;
    } else if (arg == "--version") {
      options.showVersion = true;
    } else if (arg == "-c") {
      if (i + 1 >= argc) {
        parsed.error = "-c needs a command line";
        return parsed;
      }
      options.command = argv[++i];
    } else if (Matches(arg, "--root")) {
      auto value = TakeValue(argc, argv, i, "--root");
      if (!value || value->empty()) {
        parsed.error = "--root needs a directory";
        return parsed;
      }
      options.root = *value;
    } else if (Matches(arg, "--columns")) {
      auto value = TakeValue(argc, argv, i, "--columns");
      int columns = 0;
      const auto [end, ec] =
          value ? std::from_chars(value->data(), value->data() + value->size(), columns)
                : std::from_chars_result{nullptr, std::errc::invalid_argument};
      if (!value || ec != std::errc() || end != value->data() + value->size() ||
          columns < kMinColumns || columns > kMaxColumns) {
        parsed.error = "--columns needs a number from 10 to 1000";
        return parsed;
      }
      options.columns = columns;
    } else {
      parsed.error = "unknown option: " + std::string(arg);
      return parsed;
    }
  }
  return parsed;
}

std::string TerminalUsage() {
  return "usage: Tessera.exe --tty [--root DIR] [--columns N] [--yes | --no] [-c LINE]\n"
         "  --root DIR     device root (default: $TESSERA_ROOT, else "
         "~/.local/share/tessera/device)\n"
         "  --columns N    console width seen by commands (default 32)\n"
         "  --yes, --no    answer every question so instead of asking\n"
         "  -c LINE        run one line, print its output, exit with its ERRORLEVEL\n"
         "Without -c, lines are read from standard input; the exit code is the last ERRORLEVEL.\n";
}

}  // namespace tessera::terminal
