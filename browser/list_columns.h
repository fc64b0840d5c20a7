// The file list's columns and the folder tree's root, with their texts
// from the string table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tessera::browser {

enum class ColumnAlignment { Left, Right };

struct ListColumn {
  std::uint32_t titleId;
  std::u16string_view fallbackTitle;  // when the resources have no text
  // Width in the handheld's pixels; the dialog scales it to its font.
  int baseWidth;
  ColumnAlignment alignment;
};

inline constexpr std::array<ListColumn, 3> kListColumns = {{
    {30308, u"Name", 120, ColumnAlignment::Left},
    {30309, u"Size", 50, ColumnAlignment::Right},
    {30310, u"Time", 70, ColumnAlignment::Left},
}};

inline constexpr std::uint32_t kTreeRootTextId = 30307;

std::u16string ColumnTitle(const ListColumn& column);
// The name of the folder tree's root ("My Device").
std::u16string TreeRootName();

}  // namespace tessera::browser
