#include "commands/rest_path.h"

#include "shell/scanner.h"

namespace tessera {

std::u16string ReadRestPath(std::u16string_view rest) {
  rest = SkipBlanks(rest);
  if (!rest.empty() && rest.front() == u'"') {
    if (const auto token = GetToken(rest, 0, false)) {
      return std::u16string(rest.substr(token->start, token->end - token->start));
    }
    rest.remove_prefix(1);
  }
  return std::u16string(TrimTrailingView(rest));
}

}  // namespace tessera
