// Taking the redirections out of a command's argument text.
//
// Checked: targets are absolute and within the path limit, and the text
// left over is never longer than the text given.
#include <cstdint>
#include <cstdlib>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "launch/redirection.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = fuzz::InputText(data, size);
  fuzz::FuzzShell shell(/*resetDevice=*/false);
  shell.context().Set(u"CUR DIR", u"\\My Documents");
  const RedirectSpec parsed = ParseRedirections(text, shell.context());
  FUZZ_REQUIRE(parsed.inputPath.empty() || parsed.inputPath[0] == u'\\');
  FUZZ_REQUIRE(parsed.outputPath.empty() || parsed.outputPath[0] == u'\\');
  FUZZ_REQUIRE(parsed.argumentText.size() <= text.size());
  return 0;
}
