// Find-first/next over a device directory, with wildcards in the last component.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/result.h"

namespace tessera::platform {

struct FindData {
  std::u16string name;  // the entry's own name, no directory part
  FileInfo info;
};

// True when name matches pattern: '*' any run, '?' one character, compared
// without regard to case; a name without a dot also matches as if it ended
// with one, so "*.*" matches every name and "*." names without extension.
bool MatchWildcard(std::u16string_view pattern, std::u16string_view name);

// All entries of the pattern's directory whose names match its last
// component, sorted by case-insensitive name (ties by code unit), never
// "." or "..". FileNotFound when nothing matches (also for a pattern ending
// in a separator), PathNotFound when the directory does not exist,
// InvalidName for a wildcard before the last component. A pattern without
// wildcards finds that one entry, named as it is spelled on the host.
Result<std::vector<FindData>> FindFiles(std::u16string_view pattern);

// First/next walk over the result of FindFiles.
class FileFinder {
 public:
  // Starts the search; ok() when there is at least one entry.
  Status First(std::u16string_view pattern);
  // The current entry; valid after a successful First or Next.
  const FindData& Current() const { return entries_[index_]; }
  // Moves to the next entry; NoMoreFiles at the end.
  Status Next();

 private:
  std::vector<FindData> entries_;
  std::size_t index_ = 0;
};

}  // namespace tessera::platform
