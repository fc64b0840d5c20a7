// The listing order of DIR /O.
#pragma once

#include <string_view>
#include <vector>

#include "platform/find.h"

namespace tessera {

// Compares a listed entry a with a new entry b by the sort keys: N name,
// E extension then last-write time, D last-write time, S size, G
// directories first; '-' makes this and every later key descending; other
// characters are ignored. Negative when a comes first, positive when it
// comes after, 0 when every key is equal.
int CompareForListing(const platform::FindData& a, const platform::FindData& b,
                      std::u16string_view keys);

// Orders the entries by the keys; entries that compare equal keep their
// directory order (as if each were inserted before the first greater one).
void SortListing(std::vector<platform::FindData>& entries, std::u16string_view keys);

}  // namespace tessera
