// Running Tessera.exe as a separate process in the tests: with pipes for a
// run to its end, or on a pseudo-terminal for typing.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace tessera::testing {

struct ProcessRun {
  std::string out;
  std::string err;
  int status = 0;  // as waitpid gives it
};

// Runs the program with the arguments, the input on its standard input
// (then closed), and extra environment entries ("NAME=value"); the locale
// and time zone are fixed. Waits for its end.
ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::string& input,
                      const std::vector<std::string>& environment = {});

// Starts the program with pipes on its standard input and output and leaves
// it running; input is written to `input`, output read from `output`.
struct RunningProcess {
  explicit RunningProcess(const std::vector<std::string>& arguments);
  RunningProcess(const RunningProcess&) = delete;
  RunningProcess& operator=(const RunningProcess&) = delete;
  pid_t pid = -1;
  int input = -1;
  int output = -1;
  // Reads output until it holds `text` (or some seconds passed).
  bool WaitFor(const std::string& text);
  // Closes its input, waits for its end (ending it by force after some
  // seconds) and gives the status waitpid gave.
  int Finish();
  ~RunningProcess();
  std::string seen;
};

// Reads from a descriptor until `text` has appeared or some seconds passed.
bool WaitForText(int fd, const std::string& text, std::string& seen);

}  // namespace tessera::testing
