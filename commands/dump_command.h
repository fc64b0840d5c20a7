// DUMP: show a file's bytes as numbers or characters with their offsets.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "shell/command.h"

namespace tessera {

enum class DumpLayout { Hex, Decimal, Octal, Characters, Words };

ResultCode DumpCommand(CommandCall& call);

// The lines of one block whose first byte lies at offset. A word whose high
// byte lies past the data shows that half as "--".
std::vector<std::u16string> DumpBlockLines(std::span<const std::uint8_t> block,
                                           std::uint64_t offset, DumpLayout layout);

}  // namespace tessera
