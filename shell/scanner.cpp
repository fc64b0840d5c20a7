#include "shell/scanner.h"

#include <cstdint>

namespace tessera {

std::size_t SkipBlanksFrom(std::u16string_view text, std::size_t from) {
  while (from < text.size() && IsBlank(text[from])) ++from;
  return from < text.size() ? from : text.size();
}

std::u16string_view SkipBlanks(std::u16string_view text) {
  return text.substr(SkipBlanksFrom(text, 0));
}

std::size_t WordEnd(std::u16string_view text, bool operatorMode, std::size_t from) {
  std::size_t i = from;
  while (i < text.size() && !IsBlank(text[i]) && !(operatorMode && IsOperatorChar(text[i]))) ++i;
  return i;
}

std::optional<Token> GetToken(std::u16string_view text, std::size_t from, bool operatorMode) {
  const std::size_t i = SkipBlanksFrom(text, from);
  if (i >= text.size()) return std::nullopt;
  Token token;
  if (text[i] == u'"') {
    const std::size_t close = text.find(u'"', i + 1);
    if (close == std::u16string_view::npos) return std::nullopt;
    token.start = i + 1;
    token.end = close;
    token.next = close + 1;
    if (operatorMode) {
      while (token.start < token.end && IsBlank(text[token.start])) ++token.start;
      while (token.end > token.start && IsBlank(text[token.end - 1])) --token.end;
    }
    return token;
  }
  token.start = i;
  if (operatorMode && IsOperatorChar(text[i])) {
    token.end = (text[i] == u'>' && i + 1 < text.size() && text[i + 1] == u'>') ? i + 2 : i + 1;
  } else {
    token.end = WordEnd(text, operatorMode, i);
  }
  token.next = token.end;
  return token;
}

std::u16string_view TrimTrailingView(std::u16string_view text, char16_t extra) {
  std::size_t end = text.size();
  while (end > 0 && (IsBlank(text[end - 1]) || (extra != 0 && text[end - 1] == extra))) --end;
  return text.substr(0, end);
}

void TrimTrailing(std::u16string& text, char16_t extra) {
  text.resize(TrimTrailingView(text, extra).size());
}

long ParseLong(std::u16string_view text) {
  std::size_t i = SkipBlanksFrom(text, 0);
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  std::int64_t value = 0;
  constexpr std::int64_t kLimit = 2147483648LL;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<long>(-value);
  return static_cast<long>(value >= kLimit ? kLimit - 1 : value);
}

}  // namespace tessera
