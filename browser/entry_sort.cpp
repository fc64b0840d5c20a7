#include "browser/entry_sort.h"

#include <algorithm>

#include "platform/text.h"

namespace tessera::browser {

namespace {

template <typename T>
int Sign(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// The extension from the last '.' on; empty without one.
std::u16string_view Extension(std::u16string_view name) {
  const std::size_t dot = name.rfind(u'.');
  return dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot);
}

int CompareTypes(const ListEntry& a, const ListEntry& b, int m) {
  if (a.isFolder() && b.isFolder()) return 0;
  const std::u16string_view ea = Extension(a.data.name);
  const std::u16string_view eb = Extension(b.data.name);
  if (ea.empty() || eb.empty()) {
    if (ea.empty() == eb.empty()) return 0;
    return ea.empty() ? -m : m;
  }
  return m * Sign(platform::CompareNoCase(ea, eb), 0);
}

}  // namespace

void SortState::Choose(int newKey) {
  if (newKey == key) ascending = !ascending;
  key = newKey;
}

int CompareEntries(const ListEntry& a, const ListEntry& b, const SortState& state) {
  if (a.isFolder() != b.isFolder()) return a.isFolder() ? -1 : 1;
  if (a.isParent() != b.isParent()) return a.isParent() ? -1 : 1;
  const int m = state.ascending ? 1 : -1;
  int result = 0;
  switch (state.key) {
    case kSortBySize:
      result = m * Sign(a.data.info.size, b.data.info.size);
      break;
    case kSortByTime:
      result = m * Sign(a.data.info.lastWriteTime, b.data.info.lastWriteTime);
      break;
    case kSortByType:
      result = CompareTypes(a, b, m);
      break;
    default:
      break;
  }
  if (result != 0) return result;
  return m * Sign(platform::CompareNoCase(a.data.name, b.data.name), 0);
}

void SortEntries(std::vector<ListEntry>& entries, const SortState& state) {
  std::stable_sort(
      entries.begin(), entries.end(),
      [&state](const ListEntry& a, const ListEntry& b) { return CompareEntries(a, b, state) < 0; });
}

}  // namespace tessera::browser
