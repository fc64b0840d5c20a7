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
  const RedirectSpec spec = ParseRedirections(text, shell.context());
  FUZZ_REQUIRE(spec.inputPath.empty() || spec.inputPath[0] == u'\\');
  FUZZ_REQUIRE(spec.outputPath.empty() || spec.outputPath[0] == u'\\');
  FUZZ_REQUIRE(spec.argumentText.size() <= text.size());
  return 0;
}
