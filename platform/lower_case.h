// Lower-case mapping of shell text, the counterpart of ToUpper.
#pragma once

#include <string>
#include <string_view>

namespace tessera::platform {

// Simple lower-case mapping of one code unit for the letters ToUpper knows
// (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic, full-width Latin).
char16_t ToLower(char16_t c);
std::u16string ToLower(std::u16string_view text);

}  // namespace tessera::platform
