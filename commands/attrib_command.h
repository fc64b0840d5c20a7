// ATTRIB: show the attribute letters of matching entries, or change them.
#pragma once

#include <cstdint>
#include <string>

#include "shell/command.h"

namespace tessera {

ResultCode AttribCommand(CommandCall& call);

// The six-place field ATTRIB shows: *DASHR, '-' for each bit not set.
std::u16string AttributeField(std::uint32_t attributes);

}  // namespace tessera
