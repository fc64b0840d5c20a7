#include "commands/option_groups.h"

#include "platform/text.h"
#include "shell/scanner.h"

namespace tessera {

std::u16string_view ReadOptionGroups(std::u16string_view text,
                                     const std::function<void(char16_t)>& onLetter) {
  std::size_t i = SkipBlanksFrom(text, 0);
  while (i < text.size() && text[i] == u'/') {
    const std::size_t end = WordEnd(text, false, i);
    for (std::size_t k = i + 1; k < end; ++k) onLetter(platform::ToUpper(text[k]));
    i = SkipBlanksFrom(text, end);
  }
  return text.substr(i);
}

}  // namespace tessera
