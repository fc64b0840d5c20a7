// The path argument of DEL and ATTRIB: the rest of the argument text.
#pragma once

#include <string>
#include <string_view>

namespace tessera {

// A rest that begins with a double quote is a quoted token (a quote that is
// never closed is only dropped); any other rest is the path as it stands,
// inner blanks included ("my file.txt"). Trailing blanks are cut: no device
// name ends in one.
std::u16string ReadRestPath(std::u16string_view rest);

}  // namespace tessera
