// Reading a folder of the device into the entries of the browser's list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "browser/list_entry.h"
#include "platform/result.h"

namespace tessera::browser {

// How shortcut files are listed.
enum class ShortcutView {
  Follow,   // under the target's name without ".lnk", with its attributes
  AsFiles,  // as the plain files they are, so that they can be chosen themselves
  Hide,     // not at all
};

struct ListOptions {
  bool showFolders = true;  // folders, shortcuts to folders and ".."
  bool showHidden = false;  // entries with the hidden attribute
  ShortcutView shortcuts = ShortcutView::Follow;
  // Name patterns of the files shown (a filter's patterns); none shows
  // every file. A followed shortcut is shown when its own name without
  // ".lnk" or its target's name matches.
  std::vector<std::u16string> patterns;
};

// The entries of folder ("\" for the root) in directory order, with a ".."
// row first below the root when folders are shown. PathNotFound or
// NotADirectory when the folder cannot be listed.
platform::Result<std::vector<ListEntry>> ListFolder(std::u16string_view folder,
                                                    const ListOptions& options);

}  // namespace tessera::browser
