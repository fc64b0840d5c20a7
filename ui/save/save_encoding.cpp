#include "ui/save/save_encoding.h"

#include <cstdio>

#include "platform/codepage.h"

namespace tessera::save {

namespace {

void AppendCharacter(std::u16string& out, char32_t c) {
  if (c >= 0x10000) {
    out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
    out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else if (c >= 0xD800 && c <= 0xDFFF) {
    out += u'\uFFFD';  // a lone surrogate shows as the replacement character
  } else {
    out += static_cast<char16_t>(c);
  }
}

}  // namespace

platform::Result<EncodedText> EncodeForSaving(std::u16string_view text, SaveEncoding encoding) {
  EncodedText encoded;
  if (encoding == SaveEncoding::Unicode) {
    encoded.bytes.reserve(2 + text.size() * 2);
    encoded.bytes += "\xFF\xFE";
    for (const char16_t unit : text) {
      encoded.bytes += static_cast<char>(unit & 0xFF);
      encoded.bytes += static_cast<char>(unit >> 8);
    }
    return encoded;
  }
  auto bytes = platform::WideToMultiByte(text, platform::AnsiCodePage(), encoded.lost);
  if (!bytes.ok()) return bytes.error();
  encoded.bytes = std::move(*bytes);
  return encoded;
}

std::u16string LostCharactersText(const std::vector<char32_t>& lost, std::size_t limit) {
  std::u16string out;
  for (std::size_t i = 0; i < lost.size(); ++i) {
    if (i == limit) {
      out += u"...";
      break;
    }
    if (i > 0) out += u"  ";
    AppendCharacter(out, lost[i]);
    char code[16];
    std::snprintf(code, sizeof code, " (U+%04X)", static_cast<unsigned>(lost[i]));
    for (const char* c = code; *c; ++c) out += static_cast<char16_t>(*c);
  }
  return out;
}

}  // namespace tessera::save
