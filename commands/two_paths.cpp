#include "commands/two_paths.h"

#include "shell/paths.h"
#include "shell/scanner.h"

namespace tessera {

TwoPaths ReadTwoPaths(std::u16string_view arguments, ShellContext& context) {
  TwoPaths paths;
  const std::u16string_view text = SkipBlanks(arguments);
  if (text.empty()) {
    paths.outcome = TwoPathsOutcome::NoArguments;
    return paths;
  }
  const auto first = GetToken(text, 0, false);
  if (!first) {
    paths.outcome = TwoPathsOutcome::NoFirst;
    return paths;
  }
  const auto second = GetToken(text, first->next, false);
  if (!second) {
    paths.outcome = TwoPathsOutcome::NoSecond;
    return paths;
  }
  paths.first = MakeAbsolute(context, text.substr(first->start, first->end - first->start));
  paths.second = MakeAbsolute(context, text.substr(second->start, second->end - second->start));
  paths.outcome = TwoPathsOutcome::Both;
  return paths;
}

}  // namespace tessera
