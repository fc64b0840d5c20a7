// What a name typed into the file browser's name field asks for: a folder
// to show, the path chosen, or name patterns for the list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessera::browser {

// What the browser is opened for: a file to open, a path for the command
// line, or the name of a file to write.
enum class BrowseMode { Open, SelectPath, Save };

enum class TypedNameAction {
  ChooseFolderShown,  // nothing typed (open, select path): the folder shown is the choice
  Stay,               // nothing typed in save mode
  GoToFolder,         // an existing folder: show it
  Choose,             // the path is the choice
  Filter,             // wildcards: show the folder with these patterns
  NotFound,           // nothing of that name where one must exist
};

struct TypedName {
  TypedNameAction action = TypedNameAction::Stay;
  // The folder to show, the path chosen, or the path not found (a device
  // path, "\" for the root).
  std::u16string path;
  std::vector<std::u16string> patterns;  // for Filter
};

// typed is taken without the blanks at its ends and the double quotes
// around it. A name beginning with '\' is absolute, any other is joined to
// folder ("." and ".." are understood). An existing folder is shown; an
// existing file is chosen; a name that does not exist is chosen in save
// and select-path modes (the caller creates it) and not found when opening,
// or when the text ends in '\' and so asks for a folder. '*' or '?' in the
// last component make it patterns (separated by ';') for the folder before it.
TypedName InterpretTypedName(BrowseMode mode, std::u16string_view folder,
                             std::u16string_view typed);

// A device path as the browser shows it: "\" for the root (the empty text).
std::u16string ShownPath(std::u16string_view path);

}  // namespace tessera::browser
