// How sort, upcase and diff read multibyte text outside the shell: valid
// UTF-8 as UTF-8, anything else in the ANSI code page, and nothing read
// with a character replaced.
//
// Checked: text that was read decodes again to itself once written back in
// its code page; valid UTF-8 is always read as UTF-8; refused text names a
// byte inside the input; standard input follows the same rule; upcase run
// on the input either prints the text upper-cased or says why not, and
// fails exactly when the text was refused.
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "platform/codepage.h"
#include "platform/text.h"
#include "tools/common/text_streams.h"
#include "tools/common/tool_environment.h"
#include "tools/upcase/upcase_tool.h"

using namespace tessera;
using namespace tessera::tools;

namespace {

// Reading takes every CR LF as LF; text that still holds one (from CR CR LF)
// loses that CR when read again.
std::u16string WithoutCrLf(std::u16string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
    out += text[i];
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const DecodedText decoded = DecodeMultiByteText(bytes, kCodePageUtf8OrAnsi);
  if (platform::IsValidUtf8(bytes)) {
    FUZZ_REQUIRE(decoded.ok() && decoded.codePage == platform::kCodePageUtf8);
  }
  if (decoded.ok()) {
    auto written = platform::WideToMultiByte(decoded.text, decoded.codePage);
    FUZZ_REQUIRE(written.ok());
    FUZZ_REQUIRE(DecodeMultiByteText(*written, decoded.codePage).text == WithoutCrLf(decoded.text));
  } else {
    FUZZ_REQUIRE(decoded.undecodable < size);
  }
  const DecodedText input = DecodeStreamBytes(bytes, StreamMode::Utf8);
  FUZZ_REQUIRE(input.ok() == decoded.ok() && input.text == decoded.text);

  ToolContext context;
  StringOutput out;
  context.output = &out;
  context.readStandardInput = [&bytes]() -> platform::Result<std::string> { return bytes; };
  const int code = RunUpcase(context);
  if (decoded.ok()) {
    FUZZ_REQUIRE(code == 0 && out.text() == UpcaseText(decoded.text));
  } else {
    FUZZ_REQUIRE(code != 0 && out.text().find(u"文字コード") != std::u16string::npos);
  }
  return 0;
}
