// sort.exe: sorts the lines of a file or of standard input.
#include "tools/sort/sort_tool.h"

int main(int argc, char** argv) {
  tessera::tools::StandardOutput output;
  const auto context = tessera::tools::ProcessToolContext(argc, argv, output);
  return tessera::tools::RunSort(context);
}
