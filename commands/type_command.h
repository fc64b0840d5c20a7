// TYPE (CAT): show a text file, whole or its first or last lines.
#pragma once

#include "shell/command.h"

namespace tessera {

ResultCode TypeCommand(CommandCall& call);

// The path argument of TYPE and DUMP: a quoted token (a missing closing
// quote drops only the opening one) or the rest of the text, blanks included.
std::u16string_view PathArgument(std::u16string_view text);

}  // namespace tessera
