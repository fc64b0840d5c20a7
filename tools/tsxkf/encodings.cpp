#include "tools/tsxkf/encodings.h"

#include "platform/text.h"

namespace tessera::tools {

namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c; }

bool Begins(std::u16string_view word, std::u16string_view prefix) {
  if (word.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (Upper(word[i]) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

Encoding ParseEncodingKeyword(std::u16string_view word) {
  if (word.empty()) return kUnknown;
  switch (Upper(word[0])) {
    case u'E':
      return kEuc;
    case u'J':
      return kJis;
    case u'S':
      return kSjis;
    default:
      break;
  }
  // "UNICODE", and "UNIODE" as the usage text spells it.
  if (Begins(word, u"UN")) return kUnicode;
  if (Begins(word, u"UTF8N")) return kUtf8N;
  if (Begins(word, u"UTF8")) return kUtf8;
  return kUnknown;
}

LineEnd ParseLineEndKeyword(std::u16string_view word) {
  if (Begins(word, u"CRLF")) return kCrLf;
  if (Begins(word, u"LF")) return kLf;
  if (Begins(word, u"CR")) return kCr;
  return kNoLineEnd;
}

}  // namespace tessera::tools
