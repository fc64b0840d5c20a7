// Whole batch files on a scratch device: the bytes of the input are the
// file (in any encoding the reader accepts), called with three arguments.
//
// Checked as for typed lines: nothing outside the device root is reached,
// the console stays within its bound, and endless loops end when the user
// asks to stop.
#include <cstdint>
#include <fstream>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "fuzz/support/scratch_device.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzShell shell;
  {
    std::ofstream file(fuzz::ScratchDevice::Get().root() + "/Windows/fuzz.bat", std::ios::binary);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  shell.Run(u"CALL \\Windows\\fuzz.bat first \"second arg\" 3");
  return 0;
}
