// The message file: its lines replace message texts, which the shell then
// formats with its own arguments.
//
// Input: the bytes of a message file. Checked: every message, replaced or
// not, formats with both kinds of argument, and the result is bounded by
// the text, the arguments and the field-width limit; error lines stay
// within the line buffer.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"
#include "shell/message_overrides.h"
#include "shell/output.h"
#include "shell/text_lines.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzShell shell(/*resetDevice=*/false);
  const std::vector<std::uint8_t> bytes(data, data + size);
  for (const auto& line : SplitCrLfLines(DecodeText(bytes, 0))) ApplyMessageOverrideLine(line);

  const std::u16string name = u"\\My Documents\\a name with %s and %d.txt";
  for (std::uint32_t id = 0; id <= kMessageCount; ++id) {
    const std::u16string_view text = GetMessageText(id);
    const std::u16string formatted = FormatMessage(text, {name, 12345, name});
    // Each placeholder shows one argument in at most the width limit (or
    // the argument's own length); everything else is the text itself.
    const std::size_t bound = text.size() * (kMaxFieldWidth + name.size() + 24);
    FUZZ_REQUIRE(formatted.size() <= bound);

    const std::size_t before = shell.console().TextLength();
    ShowError(static_cast<std::int32_t>(id), name);
    const std::size_t after = shell.console().TextLength();
    FUZZ_REQUIRE(after <= before || after - before <= kPrintLineBuffer);
  }
  return 0;
}
