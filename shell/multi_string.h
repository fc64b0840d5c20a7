// Lists of texts kept in one value, each element ended by a NUL and the
// list by one more (the batch argument list).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

std::vector<std::u16string> SplitMultiString(std::u16string_view value);
std::u16string JoinMultiString(const std::vector<std::u16string>& elements);
// One element without splitting the whole list; none past the last.
std::optional<std::u16string_view> MultiStringElement(std::u16string_view value, std::size_t index);
// Removes element 0 in place (the others move down by one).
void RemoveFirstElement(std::u16string& value);

}  // namespace tessera
