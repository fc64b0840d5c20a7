// The line formats of DIR: long, short, wide and the totals.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/find.h"

namespace tessera {

// 1234567 as "1,234,567", or as "1234567" without grouping.
std::u16string GroupDigits(std::uint64_t value, bool grouping);

// "YY/MM/DD hh:mm", the date field, then the size or <DIR> field, then the name.
std::u16string LongListingLine(const platform::FindData& entry, bool grouping);
// "MM/DD-hh:mm", a narrow size or <DIR> field, then the name.
std::u16string ShortListingLine(const platform::FindData& entry, bool grouping);
// The total line after a long or short listing (wide form from 35 columns).
std::u16string ListingTotal(std::size_t count, std::uint64_t bytes, bool grouping, int columns);
// The total line after a wide listing.
std::u16string WideTotal(std::size_t count, std::uint64_t bytes, bool grouping);

// Width of an entry in the wide layout: its name's bytes in the ANSI code
// page, the terminating zero counted, plus 2 for a directory's brackets.
std::size_t WideWidth(const platform::FindData& entry);
// The rows of the wide layout for a console of `columns` columns, given
// each entry's WideWidth.
std::vector<std::u16string> WideRows(const std::vector<platform::FindData>& entries,
                                     const std::vector<std::size_t>& widths, int columns);

}  // namespace tessera
