// The comparison of diff: a greedy forward matching of equal lines, the
// states it gives each line, and the regions printed around them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/common/text_streams.h"

namespace tessera::tools {

enum DiffState : int { kUnchanged = 0, kAdded = 1, kDeleted = 2, kChanged = 3 };

struct DiffLine {
  int match = -1;  // index of the equal line in the other file
  std::uint8_t state = kUnchanged;
  bool shown = false;        // part of a printed region
  std::u16string_view text;  // in the file's text, which outlives the lines
};

// Marks matches, states and the shown lines of both files.
void CompareDiffLines(std::vector<DiffLine>& a, std::vector<DiffLine>& b, bool ignoreBlanks);

// Prints the regions of two compared files; nothing when they are equal.
void PrintDiffRegions(const std::vector<DiffLine>& a, const std::vector<DiffLine>& b,
                      ToolOutput& out);

// The text two lines are compared by: with ignoreBlanks, without any space,
// tab or ideographic space.
std::u16string DiffKey(std::u16string_view text, bool ignoreBlanks);

}  // namespace tessera::tools
