// hostreport.exe: prints the host's processor, memory and system facts.
#include "tools/common/command_line.h"
#include "tools/hostreport/hostreport_tool.h"

int main(int argc, char** argv) {
  tessera::tools::StandardOutput output;
  return tessera::tools::RunHostReport(tessera::tools::ToolCommandLine(argc, argv), output);
}
