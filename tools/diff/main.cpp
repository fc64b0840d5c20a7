// diff.exe: compares two text files line by line.
#include "tools/diff/diff_tool.h"

int main(int argc, char** argv) {
  tessera::tools::StandardOutput output;
  const auto context = tessera::tools::ProcessToolContext(argc, argv, output);
  return tessera::tools::RunDiff(context);
}
