// upcase.exe: copies a file or standard input in upper case.
#include "tools/upcase/upcase_tool.h"

int main(int argc, char** argv) {
  tessera::tools::StandardOutput output;
  const auto context = tessera::tools::ProcessToolContext(argc, argv, output);
  return tessera::tools::RunUpcase(context);
}
