// Character-by-character conversion between the device code page (CP932)
// and UTF-16, remembered per character: the converter meets the same few
// thousand characters again and again.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessera::tools {

class CodePageCache {
 public:
  CodePageCache();
  // The SJIS bytes of a UTF-16 unit (one or two); none when it has none.
  std::optional<std::string> ToSjis(char16_t unit);
  // The UTF-16 unit of one SJIS character (a single byte, or lead and
  // trail); none when it does not decode.
  std::optional<char16_t> FromSjis(std::uint8_t lead, std::uint8_t trail = 0);

 private:
  // 0: not looked up yet; 1: no mapping; else 0x10000 | bytes / unit.
  std::vector<std::uint32_t> toSjis_;
  std::vector<std::uint32_t> fromSjis_;
};

// The cache of the process.
CodePageCache& SjisCodePage();

}  // namespace tessera::tools
