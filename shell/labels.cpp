#include "shell/labels.h"

#include "platform/text.h"
#include "shell/scanner.h"

namespace tessera {

namespace {

bool IsLabelFor(std::u16string_view line, std::u16string_view label) {
  line = SkipBlanks(line);
  if (line.empty() || line[0] != u':') return false;
  line = SkipBlanks(line.substr(1));
  const std::u16string_view word = line.substr(0, WordEnd(line, false));
  // An empty label line names nothing.
  return !word.empty() && platform::StartsWithNoCase(label, word);
}

}  // namespace

std::optional<std::size_t> FindLabel(std::u16string_view label, const TextLines& lines,
                                     std::size_t current) {
  const std::size_t count = lines.lines.size();
  for (std::size_t i = current; i < count; ++i) {
    if (IsLabelFor(lines.lines[i], label)) return i;
  }
  for (std::size_t i = 0; i < current && i < count; ++i) {
    if (IsLabelFor(lines.lines[i], label)) return i;
  }
  return std::nullopt;
}

}  // namespace tessera
