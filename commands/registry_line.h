// The registry line: root, key, value name, flags and data separated by
// commas. ADDREG, DELREG and DIRREG read it; DIRREG writes it so that its
// lines read back through ADDREG to the same values.
//
// Beyond the plain syntax, so that every value the commands can write can
// also be printed and read back:
// - inside a quoted key, value name or multi-string piece, two double quotes
//   stand for one;
// - string data that begins and ends with a double quote is the text between
//   those two quotes, taken literally (so "a"b" is a"b);
// - "" alone is the empty value of the string, binary and multi-string types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/registry.h"

namespace tessera {

// Longest key path and value name a line may give, in UTF-16 units.
inline constexpr std::size_t kMaxRegistryLineName = 259;
// Longest hexadecimal piece of binary data.
inline constexpr std::size_t kMaxBinaryPiece = 61;

// Flags of a line: bit 0x2 asks not to overwrite, the rest is the type.
inline constexpr std::uint32_t kRegFlagNoOverwrite = 0x2;
inline constexpr std::uint32_t kRegFlagString = 0x00000000;
inline constexpr std::uint32_t kRegFlagBinary = 0x00000001;
inline constexpr std::uint32_t kRegFlagMultiString = 0x00010000;
inline constexpr std::uint32_t kRegFlagDword = 0x00010001;

// Why a line could not be read: the number of the message that says so.
struct LineFault {
  std::uint32_t message = 0;
  bool operator==(const LineFault&) const = default;
};

template <typename T>
using LineResult = std::variant<T, LineFault>;

// What ADDREG writes.
struct AddRegLine {
  platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
  std::u16string key;
  std::u16string valueName;  // empty: the key's default value
  bool noOverwrite = false;
  std::uint32_t type = 0;  // registry type of the data
  std::vector<std::uint8_t> data;
};

// What DELREG deletes and DIRREG shows: a key, or one value of it.
struct RegistryTarget {
  platform::RegistryRoot root = platform::RegistryRoot::CurrentUser;
  std::u16string key;
  std::optional<std::u16string> valueName;  // none: the key itself
};

// Reads an integer: decimal with an optional sign, or hexadecimal after 0x.
// The whole text (blanks around it aside) must be the number, within the
// 32-bit range (negative numbers as their two's complement).
std::optional<std::uint32_t> ParseRegistryInteger(std::u16string_view text);

// Reads an ADDREG line (messages 120 to 129 for the faults).
LineResult<AddRegLine> ParseAddRegLine(std::u16string_view text);
// Reads root, key and an optional value name after a comma. With
// ignoreValue (DIRREG /s) whatever follows the key's comma is not read.
LineResult<RegistryTarget> ParseRegistryTarget(std::u16string_view text, bool ignoreValue);

// The root as a line writes it: "HKCR", "HKCU" or "HKLM".
std::u16string_view RegistryRootName(platform::RegistryRoot root);
// A key path or value name as a field that reads back to it.
std::u16string FormatNameField(std::u16string_view name);
// The line of one value, without line end: root, key, name, flags, data.
std::u16string FormatRegistryLine(platform::RegistryRoot root, std::u16string_view key,
                                  std::u16string_view valueName,
                                  const platform::RegistryValue& value);

}  // namespace tessera
