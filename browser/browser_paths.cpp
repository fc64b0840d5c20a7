#include "browser/browser_paths.h"

#include <algorithm>

#include "platform/find.h"

namespace tessera::browser {

std::u16string WithTrailingSeparator(std::u16string_view folder) {
  while (!folder.empty() && folder.back() == u'\\') folder.remove_suffix(1);
  std::u16string out(folder);
  out += u'\\';
  return out;
}

std::u16string ChildPath(std::u16string_view folder, std::u16string_view name) {
  return WithTrailingSeparator(folder) += name;
}

bool IsPlainName(std::u16string_view name) {
  return !name.empty() && name != u"." && name != kParentName &&
         name.find_first_of(u"\\/") == std::u16string_view::npos;
}

std::u16string DeviceSpelling(std::u16string_view path) {
  std::u16string spelled;
  bool found = true;
  while (!path.empty()) {
    const std::size_t slash = std::min(path.find(u'\\'), path.size());
    const std::u16string_view name = path.substr(0, slash);
    path.remove_prefix(std::min(slash + 1, path.size()));
    if (name.empty()) continue;
    spelled += u'\\';
    std::u16string given(name);
    // A name with wildcards would match other entries.
    if (found && given.find_first_of(u"*?") == std::u16string::npos) {
      auto entries = platform::FindFiles(spelled + given);
      found = entries.ok() && entries->size() == 1;
      if (found) given = entries->front().name;
    }
    spelled += given;
  }
  return spelled.empty() ? std::u16string(u"\\") : spelled;
}

}  // namespace tessera::browser
