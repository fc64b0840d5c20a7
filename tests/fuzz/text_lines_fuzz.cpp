// Decoding the text files the shell reads itself (batch files, the message
// file, TYPE) and splitting them into lines.
//
// Checked: the lines joined with CR LF give the decoded text back; UTF-16
// decoding keeps every unit (one per two bytes, an odd byte as one more);
// a file that is UTF-16 by its mark decodes the same with and without the
// explicit flag.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "shell/text_lines.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  for (std::uint32_t flags : {0u, std::uint32_t{kTextAnsi}, std::uint32_t{kTextUtf16}}) {
    const std::u16string text = DecodeText(bytes, flags);
    const std::vector<std::u16string> lines = SplitCrLfLines(text);
    FUZZ_REQUIRE(!lines.empty());
    std::u16string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i > 0) joined += u"\r\n";
      joined += lines[i];
    }
    FUZZ_REQUIRE(joined == text);
    if (flags == kTextUtf16) {
      const bool marked = size >= 2 && data[0] == 0xFF && data[1] == 0xFE;
      FUZZ_REQUIRE(text.size() == (size + 1) / 2 - (marked ? 1 : 0));
      if (marked) FUZZ_REQUIRE(DecodeText(bytes, 0) == text);
    }
  }
  return 0;
}
