#include "browser/list_columns.h"

#include "shell/resources.h"

namespace tessera::browser {

namespace {

std::u16string TextOr(std::uint32_t id, std::u16string_view fallback) {
  std::u16string text = LoadResourceString(id);
  return text.empty() ? std::u16string(fallback) : text;
}

}  // namespace

std::u16string ColumnTitle(const ListColumn& column) {
  return TextOr(column.titleId, column.fallbackTitle);
}

std::u16string TreeRootName() { return TextOr(kTreeRootTextId, u"My Device"); }

}  // namespace tessera::browser
