// Finding a name without regard to case in a large host directory without
// reading the whole directory each time. A directory of many entries gets
// an index of its names, kept exact by the kernel's reports of every name
// that appears in it or leaves it (whoever makes the change), so that
// copying thousands of files into one folder does not read that folder once
// per file. Not for use above the platform layer.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessera::platform::detail {

// A directory with at least this many entries is indexed.
inline constexpr std::size_t kNameIndexThreshold = 256;

// The entry of host directory `dir` equal to `name` without regard to case
// (the first such in byte order); none when there is none or the directory
// cannot be read.
std::optional<std::string> FindNameNoCase(const std::string& dir, std::u16string_view name);

// How many directories are indexed now (for tests).
std::size_t IndexedDirectoryCount();

// Forgets every index (a new device root).
void ResetNameIndex();

}  // namespace tessera::platform::detail
