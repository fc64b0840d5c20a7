// The file browser's private clipboard of copied or cut entries (it is not
// the system clipboard).
#pragma once

#include <span>
#include <string>
#include <vector>

namespace tessera::browser {

enum class ClipboardMode { Copy = 0, Cut = 1 };

struct FileClipboard {
  ClipboardMode mode = ClipboardMode::Copy;
  // Some name of the set was a folder when it was added.
  bool hasFolder = false;
  // The folder the names were taken from, ending in '\'.
  std::u16string sourceFolder;
  // Plain names of the entries, in the order they were taken.
  std::vector<std::u16string> names;
  // Names the last paste created or changed in its destination, for the
  // list to insert or refresh.
  std::vector<std::u16string> resultNames;

  bool empty() const { return names.empty(); }
  // Copy and Cut: a new set of names from folder. The ".." entry and
  // anything that is not a plain name are left out.
  void Take(ClipboardMode newMode, std::u16string_view folder,
            std::span<const std::u16string> selected);
  // Adds one name of the source folder (see Take).
  void Add(std::u16string_view name);
  // Forgets the set; the result names stay for the list's refresh.
  void DropSet();
  void Clear();
};

}  // namespace tessera::browser
