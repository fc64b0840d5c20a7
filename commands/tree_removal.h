// Removal of a whole directory tree, as RMDIR /S does it.
#pragma once

#include <string_view>

#include "platform/result.h"

namespace tessera {

// The two removals the tree walk performs; tests put failures in.
class EntryRemover {
 public:
  virtual ~EntryRemover() = default;
  virtual platform::Status DeleteFile(std::u16string_view path);
  virtual platform::Status RemoveDirectory(std::u16string_view path);
};

// Removes path and, for a directory, everything below it, in directory
// order. Read-only entries lose that bit first. A symbolic link is removed
// as the link, never followed, so nothing outside the tree is touched. The
// first failure inside a directory stops its walk; every entry that stays
// is reported with message 60, so one undeletable file is named again by
// each directory above it. A missing path is message 61. False on failure.
bool RemoveTree(std::u16string_view path, EntryRemover& remover);
bool RemoveTree(std::u16string_view path);

}  // namespace tessera
