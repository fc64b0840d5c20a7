// Typed command lines on a scratch device: every built-in command, batch
// files the lines write and call, redirections, and whatever the lines do
// to the files of the device.
//
// Input: lines separated by line feeds, run one after another as if typed.
// Checked (by the scratch device and the shell session): no host path
// outside the device root is reached or changed, and the console stays
// within its bound.
#include <cstdint>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string input = fuzz::InputText(data, size);
  fuzz::FuzzShell shell;
  std::u16string_view rest = input;
  // A handful of lines is enough to build anything; more only slows down.
  for (int lines = 0; lines < 16 && !rest.empty(); ++lines) {
    const std::size_t end = rest.find(u'\n');
    shell.Run(rest.substr(0, end));
    if (end == std::u16string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  return 0;
}
