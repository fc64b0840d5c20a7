// Variable expansion of typed and batch lines, with the batch arguments and
// a few variables taken from the input.
//
// Input: the line, then optionally a NUL and the batch arguments separated
// by '|'. Checked: a line without a substitution comes back as it was (less
// trailing blanks); every %~ result stays within its limit.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_shell.h"
#include "shell/expand.h"
#include "shell/multi_string.h"
#include "shell/scanner.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string input = fuzz::InputText(data, size);
  const std::size_t split = input.find(u'\0');
  const std::u16string_view line =
      std::u16string_view(input).substr(0, split == std::u16string::npos ? input.size() : split);

  fuzz::FuzzShell shell(/*resetDevice=*/false);
  ShellContext& context = shell.context();
  context.Set(u"NAME", u"value");
  context.Set(u"NAMELONG", u"another value with %PATH% inside");
  context.Set(u"EMPTY", u"");
  std::uint32_t flags = 0;
  if (split != std::u16string::npos) {
    std::vector<std::u16string> arguments;
    std::u16string_view rest = std::u16string_view(input).substr(split + 1);
    while (true) {
      const std::size_t bar = rest.find(u'|');
      arguments.emplace_back(rest.substr(0, bar));
      if (bar == std::u16string_view::npos) break;
      rest.remove_prefix(bar + 1);
    }
    // A NUL inside an argument would end the list early; the shell never
    // makes such an argument.
    for (auto& argument : arguments) std::erase(argument, u'\0');
    context.Set(kBatchArgs, JoinMultiString(arguments), kValueHidden);
    flags = kExpandInBatch;
  }

  const Expansion expansion = ExpandVariables(line, context, flags);
  // Nothing substituted: the line stays as it was.
  FUZZ_REQUIRE(expansion.substitutions > 0 || expansion.text == TrimTrailingView(line));
  return 0;
}
