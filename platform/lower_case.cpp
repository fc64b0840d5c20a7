#include "platform/lower_case.h"

namespace tessera::platform {

char16_t ToLower(char16_t c) {
  if (c < 0x80) return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 0x20) : c;
  // Latin-1 capitals, except the multiplication sign.
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 0x20);
  if (c == 0x178) return 0xFF;
  // Latin Extended-A: capital even and small odd, except in the two runs
  // where the pairs start on an odd code.
  if ((c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) {
    return (c % 2 == 0) ? static_cast<char16_t>(c + 1) : c;
  }
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
    return (c % 2 == 1) ? static_cast<char16_t>(c + 1) : c;
  }
  // Greek.
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return static_cast<char16_t>(c + 0x20);
  // Cyrillic.
  if (c >= 0x410 && c <= 0x42F) return static_cast<char16_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
  // Full-width Latin capitals.
  if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<char16_t>(c + 0x20);
  return c;
}

std::u16string ToLower(std::u16string_view text) {
  std::u16string out(text);
  for (auto& c : out) c = ToLower(c);
  return out;
}

}  // namespace tessera::platform
