// Character-by-character conversion between the device code page (CP932)
// and UTF-16, remembered per character: the converter meets the same few
// thousand characters again and again.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tessera::tools {

class CodePageCache {
 public:
  // Entries of the two tables: not looked up yet, no mapping, or kFound
  // with the value in the low bits (towards SJIS: kTwoBytes | lead << 8 |
  // trail, or the single byte; towards UTF-16: the unit).
  static constexpr std::uint32_t kUnknown = 0;
  static constexpr std::uint32_t kNoMapping = 1;
  static constexpr std::uint32_t kFound = 0x1000000;
  static constexpr std::uint32_t kTwoBytes = 0x10000;

  CodePageCache();
  // The SJIS bytes of a UTF-16 unit (one or two); none when it has none.
  std::optional<std::string> ToSjis(char16_t unit);
  // The UTF-16 unit of one SJIS character (a single byte, or lead and
  // trail); none when it does not decode.
  std::optional<char16_t> FromSjis(std::uint8_t lead, std::uint8_t trail = 0);

  // The tables behind them, for converters that look up every character:
  // indexed by the unit, and by lead << 8 | trail (trail 0 for a single
  // byte). An entry still kUnknown is filled by the LookUp functions.
  const std::uint32_t* toSjisTable() const { return toSjis_.data(); }
  const std::uint32_t* fromSjisTable() const { return fromSjis_.data(); }
  std::uint32_t LookUpToSjis(char16_t unit);
  std::uint32_t LookUpFromSjis(std::uint16_t code);

 private:
  std::vector<std::uint32_t> toSjis_;
  std::vector<std::uint32_t> fromSjis_;
};

// The cache of the process.
CodePageCache& SjisCodePage();

}  // namespace tessera::tools
