// Running a built tool of build/bin as bash would, with a clean
// environment, a given standard input and its standard output collected.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tessera::tools {

struct Finished {
  int code = -1;
  std::string out;
};

struct Launch {
  std::string program;
  std::vector<std::string> arguments;
  std::map<std::string, std::string> environment;  // added to a clean copy
  std::string input;
  std::string workingDirectory;
  std::string outputFile;  // standard output goes here instead of a pipe
};

// Runs the program in a session of its own (so it has no controlling
// terminal to ask on), without any TESSERA_ variable of this process.
Finished RunProgram(const Launch& launch);

}  // namespace tessera::tools
