// DEL / ERASE: delete the files that match a name or pattern.
#pragma once

#include <cstdint>
#include <string>

#include "shell/command.h"

namespace tessera {

ResultCode DeleteCommand(CommandCall& call);

// The line DEL writes for a protected file: which of read-only, system and
// hidden it carries, and that /F would delete it.
std::u16string ProtectionDescription(std::uint32_t attributes);

}  // namespace tessera
