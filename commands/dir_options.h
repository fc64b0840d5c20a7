// The option groups and the path argument of DIR.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessera {

struct DirOptions {
  bool filter = false;                     // /A given
  std::uint32_t include = 0;               // attribute bits an entry must have one of
  std::uint32_t exclude = 0;               // attribute bits an entry must have none of
  int bare = 0;                            // 1 for /B, -1 for /-B
  int grouping = 0;                        // -1 (/-C) switches digit grouping off
  int letterCase = 0;                      // 1 lower case (/L), -1 upper case (/-L)
  int recursive = 0;                       // 1 for /S
  int wide = 0;                            // 1 for /W
  std::optional<std::u16string> sortKeys;  // the letters after /O
  std::optional<std::u16string> path;      // the last path token
};

enum class DirParseError {
  None,
  BadOption,  // /-A or /-O: `badOption` names it
  Syntax,     // a quote never closed, or a path token of 260 units or more
};

struct DirParse {
  DirOptions options;
  DirParseError error = DirParseError::None;
  std::u16string badOption;
};

DirParse ParseDirArguments(std::u16string_view arguments);

}  // namespace tessera
