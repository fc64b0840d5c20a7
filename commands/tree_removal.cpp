#include "commands/tree_removal.h"

#include <string>

#include "commands/path_limits.h"
#include "platform/files.h"
#include "platform/find.h"
#include "shell/output.h"

namespace tessera {

namespace {
constexpr std::int32_t kRemoveFailed = 60;
constexpr std::int32_t kNothingToRemove = 61;
}  // namespace

platform::Status EntryRemover::DeleteFile(std::u16string_view path) {
  return platform::DeleteFile(path);
}

platform::Status EntryRemover::RemoveDirectory(std::u16string_view path) {
  return platform::RemoveDirectory(path);
}

bool RemoveTree(std::u16string_view path, EntryRemover& remover) {
  const auto info = platform::GetFileInfo(path);
  if (!info.ok()) {
    ShowError(kNothingToRemove, path);
    return false;
  }
  if (info->isSymlink) {
    // The link goes, whatever it points at stays as it is.
    if (remover.DeleteFile(path).ok()) return true;
    ShowError(kRemoveFailed, path);
    return false;
  }
  if (info->attributes & platform::kAttrReadOnly) {
    (void)platform::SetFileAttributes(path,
                                      info->attributes & ~std::uint32_t{platform::kAttrReadOnly});
  }
  if (!(info->attributes & platform::kAttrDirectory)) {
    if (remover.DeleteFile(path).ok()) return true;
    ShowError(kRemoveFailed, path);
    return false;
  }
  const std::u16string directory(path);
  if (const auto entries = platform::FindFiles(directory + u"\\*.*"); entries.ok()) {
    for (const platform::FindData& entry : *entries) {
      const std::u16string child = directory + u'\\' + entry.name;
      if (IsTooLongPath(child)) {
        ShowPathTooLong(child);
        break;
      }
      if (!RemoveTree(child, remover)) break;
    }
  }
  if (remover.RemoveDirectory(path).ok()) return true;
  ShowError(kRemoveFailed, path);
  return false;
}

bool RemoveTree(std::u16string_view path) {
  EntryRemover remover;
  return RemoveTree(path, remover);
}

}  // namespace tessera
