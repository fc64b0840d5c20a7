#include "commands/dir_sort.h"

#include <algorithm>

#include "platform/text.h"

namespace tessera {

namespace {

std::u16string_view Extension(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  return dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot);
}

template <typename T>
int Order(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareKey(char16_t key, const platform::FindData& a, const platform::FindData& b) {
  switch (key) {
    case u'N':
      return platform::CompareNoCase(a.name, b.name);
    case u'E':
      if (const int byExtension = platform::CompareNoCase(Extension(a.name), Extension(b.name))) {
        return byExtension;
      }
      return Order(a.info.lastWriteTime, b.info.lastWriteTime);
    case u'D':
      return Order(a.info.lastWriteTime, b.info.lastWriteTime);
    case u'S':
      return Order(a.info.size, b.info.size);
    case u'G': {
      const bool aDir = (a.info.attributes & platform::kAttrDirectory) != 0;
      const bool bDir = (b.info.attributes & platform::kAttrDirectory) != 0;
      return aDir == bDir ? 0 : (aDir ? -1 : 1);
    }
    default:
      return 0;
  }
}

}  // namespace

int CompareForListing(const platform::FindData& a, const platform::FindData& b,
                      std::u16string_view keys) {
  bool descending = false;
  for (const char16_t raw : keys) {
    const char16_t key = platform::ToUpper(raw);
    if (key == u'-') {
      descending = true;
      continue;
    }
    const int order = CompareKey(key, a, b);
    if (order != 0) return descending ? -order : order;
  }
  return 0;
}

void SortListing(std::vector<platform::FindData>& entries, std::u16string_view keys) {
  if (keys.empty()) return;
  std::stable_sort(entries.begin(), entries.end(),
                   [keys](const platform::FindData& a, const platform::FindData& b) {
                     return CompareForListing(a, b, keys) < 0;
                   });
}

}  // namespace tessera
