// Stable sorting of text lines by UTF-16 code unit, without comparing
// whole lines most of the time.
#pragma once

#include <string_view>
#include <vector>

namespace tessera::tools {

// Sorts the lines by code unit (a prefix before the longer line), ascending
// or descending; equal lines keep their order in both directions.
void StableSortByCodeUnit(std::vector<std::u16string_view>& lines, bool descending);

}  // namespace tessera::tools
