// Filter texts of the file dialogs: pairs of a description and its name
// patterns, separated by '|' and ended by an empty description, e.g.
// "Programs (*.BAT;*.EXE)|*.BAT;*.EXE|All (*.*)|*.*||".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessera::browser {

struct FileFilter {
  std::u16string description;            // trimmed
  std::vector<std::u16string> patterns;  // trimmed, none empty
};

// The filters of the text in order. The list ends at the first pair whose
// description or patterns are empty; a text without one usable pair gives
// no filters.
std::vector<FileFilter> ParseFileFilter(std::u16string_view text);

// True when name matches one of the patterns ('*' and '?', without regard
// to case; "*.*" matches every name), or when there are no patterns.
bool MatchesFilter(const std::vector<std::u16string>& patterns, std::u16string_view name);

}  // namespace tessera::browser
