#include "ui/typed_line.h"

#include "shell/typed_line.h"

namespace tessera::ui {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

char16_t Upper(char16_t c) {
  return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<BarCommand> ParseBarCommand(std::u16string_view line) {
  std::size_t wordEnd = 0;
  while (wordEnd < line.size() && !IsBlank(line[wordEnd])) ++wordEnd;
  const std::u16string_view word = line.substr(0, wordEnd);
  BarCommand command;
  if (EqualsIgnoringCase(word, u"FNKEYBAR")) {
    command.bar = CommandBar::FunctionKeys;
  } else if (EqualsIgnoringCase(word, u"FINDBAR")) {
    command.bar = CommandBar::Find;
  } else {
    return std::nullopt;
  }
  const std::u16string_view rest = TrimTypedLine(line.substr(wordEnd));
  command.show = !(rest.size() >= 2 && rest[0] == u'/' && Upper(rest[1]) == u'H');
  return command;
}

}  // namespace tessera::ui
