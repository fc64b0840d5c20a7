// Option groups at the front of an argument text: "/" and letters up to a
// blank or tab, any number of groups.
#pragma once

#include <functional>
#include <string_view>

namespace tessera {

// Calls onLetter with each letter of each group, upper-cased, and gives the
// text after the groups with its leading blanks skipped.
std::u16string_view ReadOptionGroups(std::u16string_view text,
                                     const std::function<void(char16_t)>& onLetter);

}  // namespace tessera
