// Lists of texts kept in one value, each element ended by a NUL and the
// list by one more (the batch argument list).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessera {

std::vector<std::u16string> SplitMultiString(std::u16string_view value);
std::u16string JoinMultiString(const std::vector<std::u16string>& elements);

}  // namespace tessera
