// REN (RENAME): rename one entry, or with /E change the extension of files.
#pragma once

#include <string>
#include <string_view>

#include "shell/command.h"

namespace tessera {

ResultCode RenameCommand(CommandCall& call);

// The name a file gets when its extension becomes newExtension (empty: no
// extension); the name itself when nothing changes.
std::u16string NameWithExtension(std::u16string_view name, std::u16string_view newExtension);

}  // namespace tessera
