#include "browser/browser_paths.h"

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

}  // namespace tessera::browser
