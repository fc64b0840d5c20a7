// The function keys' built-in commands (used when no setting names others).
// In a command, the two characters backslash and n stand for Enter.
#pragma once

#include <array>
#include <string_view>

namespace tessera {

inline constexpr std::array<std::u16string_view, 10> kDefaultFunctionKeyCommands = {
    u"DIR \\n", u"CD ",  u"COPY ", u"MOVE ",  u"TYPE ",
    u"DEL ",    u"SET ", u"REN ",  u"MKDIR ", u"RMDIR ",
};

}  // namespace tessera
