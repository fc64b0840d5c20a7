// The bytes of a saved console text in the encoding the user chose.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/result.h"

namespace tessera::save {

enum class SaveEncoding {
  Unicode = 0,   // FF FE, then UTF-16LE exactly as in the console
  ShiftJis = 1,  // the device's ANSI code page, no mark
};

struct EncodedText {
  std::string bytes;
  // Characters the encoding cannot hold; each became '?' in bytes.
  std::vector<char32_t> lost;
};

// InvalidParameter when the device's code page cannot be converted to.
platform::Result<EncodedText> EncodeForSaving(std::u16string_view text, SaveEncoding encoding);

// The lost characters for a message: each with its code ("한 (U+D55C)"),
// at most `limit` of them, then "...".
std::u16string LostCharactersText(const std::vector<char32_t>& lost, std::size_t limit = 12);

}  // namespace tessera::save
