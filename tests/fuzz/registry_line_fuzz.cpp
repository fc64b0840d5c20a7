// The registry line: ADDREG's reader, DIRREG's writer, and the round trip
// through the shell's registry on a scratch device.
//
// Input: one ADDREG line (the first line of the input). Checked, for every
// line ADDREG accepts:
// - the line DIRREG would print for the value reads back to the same root,
//   key, name, type and data (line breaks, which cannot stand in a line,
//   read back as blanks);
// - ADDREG through the shell stores exactly that value, and DIRREG through
//   the shell prints a line that reads back to it.
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "commands/registry_line.h"
#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "platform/registry.h"
#include "platform/text.h"
#include "shell/command.h"
#include "shell/output.h"

using namespace tessera;

namespace {

bool HasLineBreak(const AddRegLine& line) {
  for (std::size_t i = 0; i + 1 < line.data.size(); i += 2) {
    const char16_t c = static_cast<char16_t>(line.data[i] | (line.data[i + 1] << 8));
    if (c == u'\r' || c == u'\n') return true;
  }
  return false;
}

bool SameValue(const AddRegLine& a, const AddRegLine& b) {
  return a.root == b.root && platform::EqualsNoCase(a.key, b.key) &&
         platform::EqualsNoCase(a.valueName, b.valueName) && a.type == b.type && a.data == b.data;
}

// Runs a built-in command on the text as typed after its word, without the
// expansion and redirection a typed line would go through.
void RunBuiltin(std::u16string_view word, std::u16string_view arguments, ShellContext& context) {
  const BuiltinCommand* command = FindBuiltin(word);
  FUZZ_REQUIRE(command != nullptr);
  CommandCall call{word, arguments, context};
  command->handler(call);
}

// DIRREG prints % doubled, so that a printed line can be typed again.
std::u16string Undouble(std::u16string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == u'%' && i + 1 < text.size() && text[i + 1] == u'%') ++i;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text = fuzz::InputText(data, size);
  text = text.substr(0, text.find_first_of(u"\r\n"));

  (void)ParseRegistryTarget(text, false);
  (void)ParseRegistryTarget(text, true);
  const LineResult<AddRegLine> parsed = ParseAddRegLine(text);
  const AddRegLine* line = std::get_if<AddRegLine>(&parsed);
  if (!line || HasLineBreak(*line)) return 0;

  platform::RegistryValue value{line->valueName, line->type, line->data};
  const std::u16string printed = FormatRegistryLine(line->root, line->key, line->valueName, value);
  const LineResult<AddRegLine> again = ParseAddRegLine(printed);
  const AddRegLine* reread = std::get_if<AddRegLine>(&again);
  FUZZ_REQUIRE(reread != nullptr);
  FUZZ_REQUIRE(SameValue(*line, *reread));

  // Keys the registry itself refuses (a component past its length) are
  // the registry's own limit, not the line's.
  fuzz::FuzzShell shell;
  RunBuiltin(u"ADDREG", text, shell.context());
  auto registry = platform::DeviceRegistry();
  FUZZ_REQUIRE(registry.ok());
  auto key = platform::OpenKey(registry->Root(line->root), line->key);
  if (!key) return 0;
  auto stored = platform::QueryValue(*key, line->valueName);
  FUZZ_REQUIRE(stored.ok());
  FUZZ_REQUIRE(stored->type == line->type && stored->data == line->data);

  const std::size_t before = shell.console().TextLength();
  std::u16string target = std::u16string(RegistryRootName(line->root)) + u", " +
                          FormatNameField(line->key) + u", " + FormatNameField(line->valueName);
  RunBuiltin(u"DIRREG", target, shell.context());
  const std::u16string listing = shell.console().text().substr(before);
  const std::size_t end = listing.find(u"\r\n");
  FUZZ_REQUIRE(end != std::u16string::npos);
  const LineResult<AddRegLine> listed = ParseAddRegLine(Undouble(listing.substr(0, end)));
  const AddRegLine* shown = std::get_if<AddRegLine>(&listed);
  FUZZ_REQUIRE(shown != nullptr && SameValue(*line, *shown));
  return 0;
}
