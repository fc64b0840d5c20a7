// Device paths as the file browser builds them: a folder ("\" for the root,
// with or without a trailing '\') and the plain names of its entries.
#pragma once

#include <string>
#include <string_view>

namespace tessera::browser {

// The name of the parent entry at the top of a listing.
inline constexpr std::u16string_view kParentName = u"..";

// folder + '\' + name, with one separator between them.
std::u16string ChildPath(std::u16string_view folder, std::u16string_view name);
// The folder with exactly one trailing '\' ("\" for the root or the empty text).
std::u16string WithTrailingSeparator(std::u16string_view folder);
// True for a name an entry of a folder can carry: not empty, not "." or
// "..", no separator.
bool IsPlainName(std::u16string_view name);
// The path ("\" for the root) with each component spelled as the device
// has it, so that a folder typed in any case is shown as it is named.
// Components from the first that does not exist on are kept as given.
std::u16string DeviceSpelling(std::u16string_view path);

}  // namespace tessera::browser
